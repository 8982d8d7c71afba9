# SPDX-FileCopyrightText: 2026 Velkor Player developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# libsarv exports every symbol its symbols file lists, unless the file is for
# another SONAME: a symbol may only disappear together with a new SOVERSION
# (and a new symbols file, target sarv-symbols). New symbols are fine. Run by
# CTest with -DGENSYMBOLS, -DLIBRARY, -DPACKAGE, -DVERSION, -DSYMBOLS and
# -DWORK_DIR. The library is looked at as a later version than VERSION: for
# its own version, dpkg-gensymbols takes a lost symbol for one that was never
# released and drops it silently.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(
  COMMAND ${GENSYMBOLS} -p${PACKAGE} -v${VERSION}+check -c1 -I${SYMBOLS} -e${LIBRARY}
    -O${WORK_DIR}/symbols
  WORKING_DIRECTORY ${WORK_DIR} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "symbols lost from ${LIBRARY} without a new SOVERSION:\n${out}\n${err}")
endif()
message(STATUS "every symbol of ${SYMBOLS} is still exported")
