# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into an empty prefix, as `cmake --install` does for a package,
# and checks that everything a desktop needs is in place: the program and its print and
# airport modules, its menu entry pointing at it and at its icon, the icon in every size
# of the hicolor theme (each PNG of the size its folder says) and as SVG, the AppStream
# description with the licence, the manual page and changelog compressed, the airport
# database, and the machine-readable copyright file (CopyrightCheck.cmake).
#
# cmake -DBUILD_DIR=<build> -DPREFIX=<empty folder to install into>
#       -DLIBDIR=<the library folder under the prefix> -P InstallTest.cmake
if(NOT BUILD_DIR OR NOT PREFIX OR NOT LIBDIR)
  message(FATAL_ERROR "usage: cmake -DBUILD_DIR=... -DPREFIX=... -DLIBDIR=... -P InstallTest.cmake")
endif()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${installed})")
endif()

set(app_id org.aerolume.Aerolume)
set(failures "")
macro(fail text)
  string(APPEND failures "  ${text}\n")
endmacro()

set(expected
  bin/aerolume
  ${LIBDIR}/aerolume/aerolume-print.so
  ${LIBDIR}/aerolume/aerolume-airports.so
  share/applications/${app_id}.desktop
  share/metainfo/${app_id}.metainfo.xml
  share/mime/packages/${app_id}.xml
  share/icons/hicolor/scalable/apps/${app_id}.svg
  share/man/man1/aerolume.1.gz
  share/doc/aerolume/changelog.gz
  share/doc/aerolume/copyright
  share/aerolume/airports.sqlite)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${app_id}.png)
endforeach()
foreach(path IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${path}")
    fail("missing ${path}")
  endif()
endforeach()

if(EXISTS "${PREFIX}/bin/aerolume")
  file(READ "${PREFIX}/bin/aerolume" magic LIMIT 4 HEX)
  if(NOT magic STREQUAL "7f454c46")
    fail("bin/aerolume is not a program")
  endif()
endif()

# The manual page and the changelog are gzip files, without the time stamp that would
# make two builds of one source differ (the four bytes after the method and flags).
foreach(path share/man/man1/aerolume.1.gz share/doc/aerolume/changelog.gz)
  if(EXISTS "${PREFIX}/${path}")
    file(READ "${PREFIX}/${path}" header LIMIT 8 HEX)
    if(NOT header MATCHES "^1f8b08..00000000")
      fail("${path} is not gzip without a time stamp (${header})")
    endif()
  endif()
endforeach()
if(EXISTS "${PREFIX}/share/aerolume/airports.sqlite")
  # The header "SQLite format 3" and its NUL.
  file(READ "${PREFIX}/share/aerolume/airports.sqlite" magic LIMIT 16 HEX)
  if(NOT magic STREQUAL "53514c69746520666f726d6174203300")
    fail("share/aerolume/airports.sqlite is not an SQLite database")
  endif()
endif()

# The copyright file describes this source tree, two folders up.
get_filename_component(source "${CMAKE_CURRENT_LIST_DIR}/../.." ABSOLUTE)
include("${CMAKE_CURRENT_LIST_DIR}/CopyrightCheck.cmake")
if(EXISTS "${PREFIX}/share/doc/aerolume/copyright")
  check_copyright("${PREFIX}/share/doc/aerolume/copyright" "${source}" failures)
endif()

# Each PNG is as large as its folder says (the width and height of its IHDR chunk).
foreach(size 16 32 48 64 128 256)
  set(png "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${app_id}.png")
  if(EXISTS "${png}")
    file(READ "${png}" header OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${header}" 0 8 width_hex)
    string(SUBSTRING "${header}" 8 8 height_hex)
    math(EXPR width "0x${width_hex}")
    math(EXPR height "0x${height_hex}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
      fail("${size}x${size} icon is ${width}x${height}")
    endif()
  endif()
endforeach()

# The menu entry starts the installed program and shows the installed icon.
set(entry "${PREFIX}/share/applications/${app_id}.desktop")
if(EXISTS "${entry}")
  file(STRINGS "${entry}" exec REGEX "^Exec=")
  file(STRINGS "${entry}" icon REGEX "^Icon=")
  if(NOT exec STREQUAL "Exec=aerolume %f")
    fail("the entry runs '${exec}', not the installed aerolume with the file opened")
  endif()
  file(STRINGS "${entry}" mime REGEX "^MimeType=")
  if(NOT mime MATCHES "^MimeType=(.*;)?application/x-aerolume-plan")
    fail("the entry does not open plan files (${mime})")
  endif()
  if(NOT icon STREQUAL "Icon=${app_id}")
    fail("the entry shows '${icon}', not the installed icon ${app_id}")
  endif()
endif()
set(metainfo "${PREFIX}/share/metainfo/${app_id}.metainfo.xml")
if(EXISTS "${metainfo}")
  file(READ "${metainfo}" description)
  if(NOT description MATCHES "<launchable type=\"desktop-id\">${app_id}.desktop</launchable>")
    fail("the AppStream description does not launch ${app_id}.desktop")
  endif()
  # The program's licence and the installed airport database's.
  if(NOT description MATCHES "<project_license>GPL-3.0-or-later AND ODbL-1.0</project_license>")
    fail("the AppStream description does not name GPL-3.0-or-later AND ODbL-1.0")
  endif()
  if(NOT description MATCHES "<release version=\"1.4\"")
    fail("the AppStream description has no release 1.4")
  endif()
endif()

# The plan files' MIME type: their extension, under the name the entry gives.
set(mime_package "${PREFIX}/share/mime/packages/${app_id}.xml")
if(EXISTS "${mime_package}")
  file(READ "${mime_package}" mime_xml)
  if(NOT mime_xml MATCHES "type=\"application/x-aerolume-plan\"" OR
     NOT mime_xml MATCHES "pattern=\"\\*\\.aerolume-plan\"")
    fail("the MIME package does not define application/x-aerolume-plan for *.aerolume-plan")
  endif()
endif()

if(failures)
  message(FATAL_ERROR "The install into ${PREFIX} is incomplete:\n${failures}")
endif()
message(STATUS "Installed whole into ${PREFIX}")
