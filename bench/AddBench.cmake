# SPDX-License-Identifier: GPL-3.0-or-later
# Adds the benchmarks (bench/) to the program's own build without touching its files:
# bench/run configures the repository with
#   -DCMAKE_PROJECT_Aerolume_INCLUDE=<this file>
# which CMake includes when the top-level project is declared; the benchmarks' targets
# are then defined once the top-level CMakeLists.txt has defined everything else. (A
# top-level include(bench/AddBench.cmake) would do the same.)
set(AEROLUME_BENCH_DIR ${CMAKE_CURRENT_LIST_DIR})
# The call's arguments are read when it runs, so it names the folder by a variable.
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL include
               ${AEROLUME_BENCH_DIR}/BenchTargets.cmake)
