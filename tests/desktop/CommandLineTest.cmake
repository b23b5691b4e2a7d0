# SPDX-License-Identifier: GPL-3.0-or-later
# The program on a computer without a display: --help and --version answer and end well;
# started for its windows, it says in one line why it cannot open them and ends with a
# failure, without Qt's abort.
#
# cmake -DPROGRAM=<aerolume> -DVERSION=<1.4> -P CommandLineTest.cmake
if(NOT PROGRAM OR NOT VERSION)
  message(FATAL_ERROR "usage: cmake -DPROGRAM=... -DVERSION=... -P CommandLineTest.cmake")
endif()

set(failures "")
macro(fail text)
  string(APPEND failures "  ${text}\n")
endmacro()

# Runs the program with the display variables given (or none) and the arguments.
macro(run display)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            --unset=QT_QPA_PLATFORM ${display} ${PROGRAM} ${ARGN}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
endmacro()

run("" --version)
if(NOT status EQUAL 0 OR NOT out STREQUAL "Aerolume ${VERSION}\n")
  fail("--version gave '${out}' (status ${status})")
endif()

run("" --help)
if(NOT status EQUAL 0 OR NOT out MATCHES "Usage: .*aerolume \\[options\\] \\[plan\\]"
   OR NOT out MATCHES "--version")
  fail("--help gave '${out}' (status ${status})")
endif()

foreach(display "" "DISPLAY=:97")
  run("${display}")
  string(REGEX MATCHALL "\n" lines "${err}")
  list(LENGTH lines count)
  if(status EQUAL 0 OR status MATCHES "[A-Za-z]" OR NOT count EQUAL 1
     OR NOT err MATCHES "^aerolume: cannot open its windows: ")
    fail("without a display (${display}) it gave status ${status} and '${err}'")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "The command line is not as documented:\n${failures}")
endif()
