# SPDX-FileCopyrightText: 2026 Velkor Player developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The symbols file of libsarv2: every symbol the library exports, with the
# version that first had it, from which dpkg-shlibdeps gives the programs built
# against libsarv the least version they need. Run with -DGENSYMBOLS,
# -DLIBRARY, -DPACKAGE, -DVERSION, -DBASELINE, -DOUTPUT, -DWORK_DIR and:
#   -DMODE=baseline  rewrites the kept file (BASELINE) from the built library,
#                    which is right only with new symbols or a new SOVERSION;
#   -DMODE=package   writes OUTPUT for the package: the kept file, plus any
#                    symbol it lacks at the current version.
# Symbols outside the library's own namespace (Qt's template instances the
# library happens to export) are marked optional: they may come and go with Qt
# without breaking a program.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
if(MODE STREQUAL "baseline")
  set(reference)
  set(written ${WORK_DIR}/symbols)
else()
  set(reference -I${BASELINE})
  set(written ${OUTPUT})
  get_filename_component(outputDir ${OUTPUT} DIRECTORY)
  file(MAKE_DIRECTORY ${outputDir})
endif()
execute_process(
  COMMAND ${GENSYMBOLS} -p${PACKAGE} -v${VERSION} -c0 -q ${reference} -e${LIBRARY} -O${written}
  WORKING_DIRECTORY ${WORK_DIR} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-gensymbols (${rc}): ${err}")
endif()
if(NOT MODE STREQUAL "baseline")
  return()
endif()

file(STRINGS ${written} lines)
set(text)
foreach(line IN LISTS lines)
  if(line MATCHES "^ ([^ ]+) ")
    if(NOT CMAKE_MATCH_1 MATCHES "^(_Z(T[VIS]|Th[n0-9]+_)?NK?4sarv|sarv_)")
      string(REGEX REPLACE "^ " " (optional)" line "${line}")
    endif()
    string(APPEND text "${line}\n")
  else()
    string(APPEND text "${line}\n* Build-Depends-Package: libsarv-dev\n")
  endif()
endforeach()
file(WRITE ${BASELINE} "${text}")
