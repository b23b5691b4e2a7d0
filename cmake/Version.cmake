# SPDX-License-Identifier: GPL-3.0-or-later
# The version record: file and product version from project(VERSION), the version
# string of the record (major, a point, the minor in two digits: 1.4 gives "1.04"),
# the product name and the internal name; and the version as the program shows it
# everywhere (major and minor: "1.4", as the launcher and About say), which the
# package, the manual page, the AppStream description and --version give too. Targets
# that show it link aerolume_version and include "aerolume/Version.h".
set(AEROLUME_PRODUCT_NAME "Aerolume 32")
set(AEROLUME_INTERNAL_NAME "Arlm")
if(PROJECT_VERSION_MINOR LESS 10)
  set(AEROLUME_VERSION_STRING "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
  set(AEROLUME_VERSION_STRING "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()

set(AEROLUME_DISPLAY_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")

configure_file(${CMAKE_CURRENT_LIST_DIR}/Version.h.in
               ${CMAKE_BINARY_DIR}/generated/aerolume/Version.h @ONLY)
add_library(aerolume_version INTERFACE)
target_include_directories(aerolume_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
