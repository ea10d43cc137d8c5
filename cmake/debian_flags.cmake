# Debian's build flags for the package build (MORV_PACKAGE), as dpkg-buildflags
# gives them with every hardening feature on: fortified libc calls
# (-D_FORTIFY_SOURCE=2 with -O2), a strong stack protector, format checks,
# and relocations made read-only and bound at start-up (-z relro -z now).
# They come after the build type's flags, so their -O2 is the one in force.
find_program(DPKG_BUILDFLAGS_PROGRAM dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS_PROGRAM)
  message(FATAL_ERROR
    "MORV_PACKAGE needs dpkg-buildflags (tools/install-deps installs dpkg-dev)")
endif()
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  # Run in the source folder, whose path -ffile-prefix-map then leaves out
  # of the binary.
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
      ${DPKG_BUILDFLAGS_PROGRAM} --get ${kind}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    OUTPUT_VARIABLE given OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  message(STATUS "dpkg-buildflags ${kind}: ${given}")
  separate_arguments(flags UNIX_COMMAND "${given}")
  if(kind STREQUAL "LDFLAGS")
    add_link_options(${flags})
  else()
    add_compile_options(${flags})
  endif()
endforeach()
