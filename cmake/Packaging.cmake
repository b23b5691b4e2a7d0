# Installing as a desktop program (the binary, its menu entry, its icon in every size of
# the icon theme and its AppStream description, under the standard prefixes) and the
# Debian package CPack builds from that install (packaging/build-deb.sh).
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

# The Debian package.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "aerolume")
set(CPACK_PACKAGE_VENDOR "Robin Calloway")
set(CPACK_PACKAGE_CONTACT "Robin Calloway <robin.calloway@aerolume.example>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${AEROLUME_PRODUCT_NAME}: a desktop flight computer for pilots")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Aerolume (${AEROLUME_PRODUCT_NAME}, version ${AEROLUME_VERSION_STRING}) solves the everyday\n"
  "arithmetic of flight planning in seven calculators: wind triangle, density and\n"
  "pressure altitude, true airspeed and Mach number, pressure pattern navigation,\n"
  "great-circle and rhumb-line routes, weight and balance, and unit conversions.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://aerolume.example/")
set(CPACK_PACKAGE_FILE_NAME "aerolume_${PROJECT_VERSION}_amd64")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE "amd64")
# The libraries the binary links (Qt Widgets, Gui and Core and the C and C++ runtimes),
# found by dpkg-shlibdeps, and nothing else.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-qpa-plugins")
include(CPack)
