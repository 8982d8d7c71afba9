# SPDX-FileCopyrightText: 2026 Velkor Player developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The man page renders without a warning from man or groff, and names every
# option that `velkor-player --help` lists. Run by CTest with -DMAN_PAGE and
# -DPROGRAM.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANROFFSEQ= MANWIDTH=80
    man --warnings -E UTF-8 -l ${MAN_PAGE}
  RESULT_VARIABLE rc OUTPUT_VARIABLE page ERROR_VARIABLE warnings)
if(NOT rc EQUAL 0 OR NOT warnings STREQUAL "")
  message(FATAL_ERROR "man -l ${MAN_PAGE} (${rc}):\n${warnings}")
endif()

execute_process(COMMAND ${PROGRAM} --help
  RESULT_VARIABLE rc OUTPUT_VARIABLE help ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help (${rc}): ${err}")
endif()

# Option lines of --help start with spaces and a dash: "  -h, --help   ...".
string(REPLACE "\n" ";" helpLines "${help}")
set(options)
foreach(line ${helpLines})
  if(line MATCHES "^ +(-[-a-zA-Z0-9]+(, -[-a-zA-Z0-9]+)*)  ")
    string(REPLACE ", " ";" names "${CMAKE_MATCH_1}")
    list(APPEND options ${names})
  endif()
endforeach()
if(NOT options)
  message(FATAL_ERROR "no option found in --help:\n${help}")
endif()
foreach(option ${options})
  if(NOT page MATCHES "(^|[ \n,])${option}([ \n,]|$)")
    message(FATAL_ERROR "the man page does not name ${option}:\n${page}")
  endif()
endforeach()
message(STATUS "man page renders cleanly and names ${options}")
