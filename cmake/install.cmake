# Installation layout (cmake --install) and the Debian package (cpack -G DEB
# in the build folder): the program, its man page, the documentation, and
# the example configuration and stylesheet under share/morv.
include(GNUInstallDirs)

install(TARGETS morv RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  COMPONENT morv)
install(FILES README.md LICENSE docs/morv.schema.json DESTINATION ${CMAKE_INSTALL_DOCDIR}
  COMPONENT morv)
install(FILES share/morv.cfg share/morv.css
  DESTINATION ${CMAKE_INSTALL_DATADIR}/morv COMPONENT morv)
install(FILES docs/morv.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
  COMPONENT manpage)

# What a Debian package carries beside that, in the component "debian",
# which a plain install leaves out: the man page compressed (instead of the
# plain one), a machine-readable copyright file holding the licence, and a
# changelog.
set(MORV_DEBIAN ${CMAKE_BINARY_DIR}/debian)
file(READ LICENSE MORV_LICENSE)
string(REPLACE "\n\n" "\n.\n" MORV_LICENSE "${MORV_LICENSE}")
string(REGEX REPLACE "\n([^\n])" "\n \\1" MORV_LICENSE "${MORV_LICENSE}")
file(WRITE ${MORV_DEBIAN}/copyright
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
  "Upstream-Name: morv\n\nFiles: *\nCopyright: the Morv authors\n"
  "License: Expat\n ${MORV_LICENSE}")
string(TIMESTAMP MORV_PACKAGE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE ${MORV_DEBIAN}/changelog
  "morv (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
  "  * Release ${PROJECT_VERSION}.\n\n"
  " -- the Morv authors <morv@example.org>  ${MORV_PACKAGE_DATE}\n")
install(FILES ${MORV_DEBIAN}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR}
  COMPONENT debian EXCLUDE_FROM_ALL)

find_program(GZIP_PROGRAM gzip)
if(GZIP_PROGRAM)
  add_custom_command(OUTPUT ${MORV_DEBIAN}/morv.1.gz
    COMMAND ${GZIP_PROGRAM} -9 -n -c ${CMAKE_SOURCE_DIR}/docs/morv.1
      > ${MORV_DEBIAN}/morv.1.gz
    DEPENDS docs/morv.1)
  add_custom_command(OUTPUT ${MORV_DEBIAN}/changelog.gz
    COMMAND ${GZIP_PROGRAM} -9 -n -c ${MORV_DEBIAN}/changelog
      > ${MORV_DEBIAN}/changelog.gz
    DEPENDS ${MORV_DEBIAN}/changelog)
  add_custom_target(morv_debian_files ALL
    DEPENDS ${MORV_DEBIAN}/morv.1.gz ${MORV_DEBIAN}/changelog.gz)
  install(FILES ${MORV_DEBIAN}/morv.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT debian EXCLUDE_FROM_ALL)
  install(FILES ${MORV_DEBIAN}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT debian EXCLUDE_FROM_ALL)
  set(MORV_PACKAGE_MANPAGE debian)
else()
  set(MORV_PACKAGE_MANPAGE manpage)
endif()

set(CPACK_PACKAGE_NAME morv)
set(CPACK_PACKAGE_VENDOR "the Morv authors")
set(CPACK_PACKAGE_CONTACT "the Morv authors <morv@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "statistics web site from first-person-shooter server logs")
set(CPACK_PACKAGE_DESCRIPTION
  "Morv reads the event logs that Quake III Arena engine game servers
(Quake III, OpenArena, Urban Terror and their mods) write, splits them into
games, and writes a static HTML site: a page per game with kill charts by
weapon, player rankings by several keys, a page per player with weapon and
player-versus-player statistics, and optionally a chat log and a data file.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://morv.example.org/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
find_program(DPKG_SHLIBDEPS_PROGRAM dpkg-shlibdeps)
if(DPKG_SHLIBDEPS_PROGRAM)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libgcc-s1, libstdc++6")
endif()
# One package made of the components above.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL morv ${MORV_PACKAGE_MANPAGE} debian)
include(CPack)
