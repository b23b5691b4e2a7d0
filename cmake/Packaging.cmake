# SPDX-License-Identifier: GPL-3.0-or-later
# Installing as a desktop program (the binary, its menu entry, its icon in every size of
# the icon theme, its AppStream description, its manual page, and its copyright file and
# changelog, under the standard prefixes) and the Debian package CPack builds from that
# install (packaging/build-deb.sh).
include(GNUInstallDirs)

set(AEROLUME_APP_ID "org.aerolume.Aerolume")
set(AEROLUME_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

install(FILES ${AEROLUME_PACKAGING_DIR}/${AEROLUME_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The plan files' MIME type (the desktop entry names it in MimeType=).
install(FILES ${AEROLUME_PACKAGING_DIR}/${AEROLUME_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${AEROLUME_APP_ID}.xml)
install(FILES ${AEROLUME_PACKAGING_DIR}/${AEROLUME_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/src/shell/art/icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${AEROLUME_APP_ID}.svg)
set(AEROLUME_ICON_SIZES 16 32 48 64 128 256)
foreach(size IN LISTS AEROLUME_ICON_SIZES)
  install(FILES ${AEROLUME_PACKAGING_DIR}/icons/${size}x${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${AEROLUME_APP_ID}.png)
endforeach()

# The manual page, with the version shown to users, and the changelog, compressed as
# Debian wants them: gzip at its best, with no name or time stamp inside.
find_program(AEROLUME_GZIP gzip REQUIRED)
set(AEROLUME_DOC_BUILD_DIR ${CMAKE_BINARY_DIR}/packaging)
configure_file(${AEROLUME_PACKAGING_DIR}/aerolume.1.in ${AEROLUME_DOC_BUILD_DIR}/man/aerolume.1
               @ONLY)
add_custom_command(
  OUTPUT ${AEROLUME_DOC_BUILD_DIR}/aerolume.1.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${AEROLUME_DOC_BUILD_DIR}/man/aerolume.1
          ${AEROLUME_DOC_BUILD_DIR}/aerolume.1
  COMMAND ${AEROLUME_GZIP} -9nf ${AEROLUME_DOC_BUILD_DIR}/aerolume.1
  DEPENDS ${AEROLUME_DOC_BUILD_DIR}/man/aerolume.1
  VERBATIM)
add_custom_command(
  OUTPUT ${AEROLUME_DOC_BUILD_DIR}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${AEROLUME_PACKAGING_DIR}/debian/changelog
          ${AEROLUME_DOC_BUILD_DIR}/changelog
  COMMAND ${AEROLUME_GZIP} -9nf ${AEROLUME_DOC_BUILD_DIR}/changelog
  DEPENDS ${AEROLUME_PACKAGING_DIR}/debian/changelog
  VERBATIM)
add_custom_target(aerolume_docs ALL
                  DEPENDS ${AEROLUME_DOC_BUILD_DIR}/aerolume.1.gz
                          ${AEROLUME_DOC_BUILD_DIR}/changelog.gz)
# Building the program builds them too, so that an install never lacks them.
add_dependencies(aerolume aerolume_docs)
install(FILES ${AEROLUME_DOC_BUILD_DIR}/aerolume.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${AEROLUME_PACKAGING_DIR}/debian/copyright ${AEROLUME_DOC_BUILD_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/aerolume)

# The Debian package.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "aerolume")
set(CPACK_PACKAGE_VENDOR "Robin Calloway")
set(CPACK_PACKAGE_CONTACT "Robin Calloway <robin.calloway@aerolume.example>")
# The version as the program, its manual page and its AppStream description show it.
set(CPACK_PACKAGE_VERSION "${AEROLUME_DISPLAY_VERSION}")
# The synopsis names what the package is, not the package (Debian's checker refuses a
# synopsis that starts with the package's name or with an article).
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop flight computer for pilots")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Aerolume ${AEROLUME_DISPLAY_VERSION} solves the everyday arithmetic of flight planning. Its\n"
  "launcher opens seven calculators: wind triangle, density and pressure altitude,\n"
  "true airspeed and Mach number, pressure pattern navigation, great-circle and\n"
  "rhumb-line routes, weight and balance, and unit conversions. Its Compute menu\n"
  "adds time, speed and distance, fuel, the wind from ground speed, runway wind,\n"
  "climb and descent, the standard atmosphere, cloud base and freezing level, and\n"
  "the magnetic variation of the World Magnetic Model 2025.\n"
  ".\n"
  "The navigation log plans a flight leg by leg from airport and navaid\n"
  "identifiers, with its climb and descent, ETAs and fuel plan, draws it on a map,\n"
  "saves it as a plan file, prints it, exports it as CSV or as PDF pages for the\n"
  "kneeboard, and exchanges routes with GPS units as .fpl and GPX files; the\n"
  "loading window keeps aircraft profiles with their stations, tanks and CG\n"
  "envelopes, checks a loading against them and writes it as a weight and\n"
  "balance form; the airport information window looks up the world's airports,\n"
  "runways, frequencies and navaids, with the wind on every runway end, from the\n"
  "OurAirports data it carries (airports under the ODbL 1.0, the rest public\n"
  "domain). It works offline.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://aerolume.example/")
set(CPACK_PACKAGE_FILE_NAME "aerolume_${AEROLUME_DISPLAY_VERSION}_amd64")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE "amd64")
# The libraries the binary and its modules link (Qt Widgets, Gui, Core, Print Support
# and SQL, zlib and the C and C++ runtimes), found by dpkg-shlibdeps, and nothing else.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The airport database is read through Qt's SQLite driver, a plugin no library links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins")
include(CPack)
