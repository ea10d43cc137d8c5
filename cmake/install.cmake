# Installation layout (cmake --install) and the Debian package (cpack -G DEB
# in a build folder configured with MORV_PACKAGE): the program, its man
# page, the documentation with the scheduled-run examples, and the example
# configuration and stylesheet under share/morv; the package also installs
# the example configuration as the conffile /etc/morv/morv.cfg.
include(GNUInstallDirs)

install(TARGETS morv RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  COMPONENT morv)
# Stripping (the package, or cmake --install --strip) also drops the
# compilers' version notes, as Debian's dh_strip does.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/morv\"
    COMMAND_ERROR_IS_FATAL ANY)
endif()" COMPONENT morv)
install(FILES README.md docs/morv.schema.json DESTINATION ${CMAKE_INSTALL_DOCDIR}
  COMPONENT morv)
install(FILES docs/morv.service docs/morv.timer docs/morv.cron
  DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples COMPONENT morv)
install(FILES share/morv.cfg share/morv.css
  DESTINATION ${CMAKE_INSTALL_DATADIR}/morv COMPONENT morv)
# A plain install's licence and man page; the package carries them in
# Debian's form instead.
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT plain)
install(FILES docs/morv.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
  COMPONENT plain)

if(NOT MORV_PACKAGE)
  return()
endif()

# What the package carries beside the component "morv", in the component
# "debian", which a plain install leaves out: the man page compressed, a
# machine-readable copyright file holding the licence, a changelog, and
# the configuration in /etc, marked as a conffile so that an upgrade keeps
# the administrator's changes.
set(MORV_DEBIAN ${CMAKE_BINARY_DIR}/debian)
file(READ LICENSE MORV_LICENSE)
string(FIND "${MORV_LICENSE}" "Permission is hereby granted" MORV_GRANT)
string(SUBSTRING "${MORV_LICENSE}" ${MORV_GRANT} -1 MORV_LICENSE)
string(STRIP "${MORV_LICENSE}" MORV_LICENSE)
string(REPLACE "\n\n" "\n.\n" MORV_LICENSE "${MORV_LICENSE}")
string(REPLACE "\n" "\n " MORV_LICENSE "${MORV_LICENSE}")
file(WRITE ${MORV_DEBIAN}/copyright
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
  "Upstream-Name: morv\n"
  "Upstream-Contact: the Morv authors <morv@example.org>\n"
  "Source: https://morv.example.org/\n\n"
  "Files: *\n"
  "Copyright: 2026 the Morv authors\n"
  "License: Expat\n\n"
  "License: Expat\n ${MORV_LICENSE}\n")
string(TIMESTAMP MORV_PACKAGE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE ${MORV_DEBIAN}/changelog
  "morv (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
  "  * Release ${PROJECT_VERSION}.\n\n"
  " -- the Morv authors <morv@example.org>  ${MORV_PACKAGE_DATE}\n")
file(WRITE ${MORV_DEBIAN}/conffiles "/etc/morv/morv.cfg\n")
install(FILES ${MORV_DEBIAN}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR}
  COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES share/morv.cfg DESTINATION /etc/morv
  COMPONENT debian EXCLUDE_FROM_ALL)

find_program(GZIP_PROGRAM gzip REQUIRED)
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
player-versus-player statistics, and optionally a chat log, a data file and
a JSON export. Plain and gzip-compressed logs are read, rotated logs in
order.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://morv.example.org/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${MORV_DEBIAN}/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# One package made of the components "morv" and "debian".
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL morv debian)
include(CPack)
