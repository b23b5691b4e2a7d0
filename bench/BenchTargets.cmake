# SPDX-License-Identifier: GPL-3.0-or-later
# The benchmarks' targets, built with the program in Release and measured by bench/run.
# They stay out of the test suite: this file is included only through
# bench/AddBench.cmake, never by the tests' build. AEROLUME_BENCH_DIR names bench/.
if(NOT AEROLUME_WITH_QT)
  message(FATAL_ERROR "the benchmarks measure the windows: configure with AEROLUME_WITH_QT=ON")
endif()

# None of the benchmarks has Qt meta-objects or forms of its own.
set(CMAKE_AUTOMOC OFF)
set(CMAKE_AUTOUIC OFF)

find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets Test)
find_package(X11 REQUIRED)
if(NOT X11_Xdamage_FOUND)
  message(FATAL_ERROR "the X DAMAGE library is missing (Debian: libxdamage-dev)")
endif()
find_package(benchmark REQUIRED)
find_package(GTest REQUIRED)

# The benchmarks' own helpers (support/) are found from this folder.
include_directories(${AEROLUME_BENCH_DIR})

# The reference program for start-up.
add_executable(bench-minimal-qt ${AEROLUME_BENCH_DIR}/minimal/MinimalWindow.cpp)
target_link_libraries(bench-minimal-qt PRIVATE Qt6::Widgets aerolume_warnings)

# Exec to first paint and resident memory, as an X client.
add_executable(aerolume-startup-bench
  ${AEROLUME_BENCH_DIR}/startup/StartupBench.cpp ${AEROLUME_BENCH_DIR}/startup/FirstPaint.h)
target_link_libraries(aerolume-startup-bench PRIVATE X11::X11 X11::Xdamage aerolume_warnings)

# Opening calculators and their answers, in the program's process.
add_executable(aerolume-window-bench
  ${AEROLUME_BENCH_DIR}/windows/WindowBench.cpp ${AEROLUME_BENCH_DIR}/windows/BenchWindows.h
  ${AEROLUME_BENCH_DIR}/windows/AnswerDriver.h ${AEROLUME_BENCH_DIR}/windows/DamageWaiter.h)
target_link_libraries(aerolume-window-bench PRIVATE
  aerolume_shell
  $<TARGET_NAME_IF_EXISTS:aerolume_airdata_widgets>
  $<TARGET_NAME_IF_EXISTS:aerolume_navigation_widgets>
  $<TARGET_NAME_IF_EXISTS:aerolume_loading_widgets>
  $<TARGET_NAME_IF_EXISTS:aerolume_conversions_widgets>
  Qt6::Widgets Qt6::Test X11::X11 X11::Xdamage aerolume_warnings)

# The pure cores, the field readings and the format masks.
add_executable(aerolume-core-bench ${AEROLUME_BENCH_DIR}/cores/CoreBench.cpp)
target_link_libraries(aerolume-core-bench PRIVATE
  aerolume_airdata_core aerolume_navigation_core aerolume_loading_core
  aerolume_conversions_core aerolume_common_core benchmark::benchmark aerolume_warnings)

# Checks of the benchmarks themselves (their statistics, and that every measured control
# exists in the windows), run by bench/run before it measures. Not part of the test suite.
add_executable(aerolume-bench-check ${AEROLUME_BENCH_DIR}/tests/BenchCheck.cpp
  ${AEROLUME_BENCH_DIR}/windows/BenchWindows.h ${AEROLUME_BENCH_DIR}/support/Stats.h)
target_link_libraries(aerolume-bench-check PRIVATE
  aerolume_shell
  $<TARGET_NAME_IF_EXISTS:aerolume_airdata_widgets>
  $<TARGET_NAME_IF_EXISTS:aerolume_navigation_widgets>
  $<TARGET_NAME_IF_EXISTS:aerolume_loading_widgets>
  $<TARGET_NAME_IF_EXISTS:aerolume_conversions_widgets>
  Qt6::Widgets Qt6::Test GTest::gtest aerolume_warnings)

# Checks on a real X server that the first paint seen is the program's drawing.
add_executable(bench-late-painter ${AEROLUME_BENCH_DIR}/tests/LatePainter.cpp)
target_link_libraries(bench-late-painter PRIVATE X11::X11 aerolume_warnings)
add_executable(aerolume-bench-xcheck ${AEROLUME_BENCH_DIR}/tests/XCheck.cpp
  ${AEROLUME_BENCH_DIR}/startup/FirstPaint.h ${AEROLUME_BENCH_DIR}/windows/DamageWaiter.h)
target_compile_definitions(aerolume-bench-xcheck PRIVATE
  LATE_PAINTER="$<TARGET_FILE:bench-late-painter>")
add_dependencies(aerolume-bench-xcheck bench-late-painter)
target_link_libraries(aerolume-bench-xcheck PRIVATE
  Qt6::Widgets Qt6::Gui X11::X11 X11::Xdamage X11::xcb GTest::gtest aerolume_warnings)

# The navigation log: a 100-leg plan recomputed and exported as a PDF.
if(TARGET aerolume_planning_widgets)
  add_executable(aerolume-planning-bench ${AEROLUME_BENCH_DIR}/planning/PlanningBench.cpp)
  target_link_libraries(aerolume-planning-bench PRIVATE
    aerolume_planning_widgets aerolume_aircraft_widgets Qt6::Gui benchmark::benchmark
    aerolume_warnings)
endif()

# The airport data: look-ups as typed, checkpoints resolved, the Airport window opening, an
# import.
if(TARGET aerolume_airports_widgets)
  find_package(Qt6 6.4 REQUIRED COMPONENTS Sql)
  find_package(ZLIB REQUIRED)
  add_executable(aerolume-airports-bench ${AEROLUME_BENCH_DIR}/airports/AirportBench.cpp)
  target_link_libraries(aerolume-airports-bench PRIVATE
    aerolume_airports_widgets aerolume_airports_sql aerolume_planning_places Qt6::Widgets
    Qt6::Sql ZLIB::ZLIB aerolume_warnings)
  # The window reads the data through the airport module of the build tree.
  add_dependencies(aerolume-airports-bench aerolume-airports)
  target_compile_definitions(aerolume-airports-bench PRIVATE
    AEROLUME_AIRPORTS_MODULE_FILE="$<TARGET_FILE:aerolume-airports>")
endif()

# The route map drawn for a 100-leg plan, and 300 points through each route file format.
if(TARGET aerolume_map_widgets AND TARGET aerolume_interchange_file)
  add_executable(aerolume-route-bench ${AEROLUME_BENCH_DIR}/route/RouteBench.cpp)
  target_link_libraries(aerolume-route-bench PRIVATE
    aerolume_map_widgets aerolume_interchange_file Qt6::Gui benchmark::benchmark
    aerolume_warnings)
endif()
