# SPDX-FileCopyrightText: 2026 Velkor Player developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Compares the built libsarv with the ABI baseline kept in the repository.
# Fails when the baseline belongs to another SONAME (SOVERSION moved without a
# new baseline, or the other way round), and when anything of the public ABI
# changed other than added functions or variables: a removed or changed symbol,
# a public class whose size or members changed. Types of the private headers
# (the d-pointer classes) are not part of the comparison.
# Run by CTest with -DABIDIFF, -DBASELINE, -DLIBRARY, -DSONAME and -DHEADERS.
if(NOT EXISTS ${BASELINE})
  message(FATAL_ERROR "no ABI baseline ${BASELINE} for ${SONAME}: a new SOVERSION needs "
    "its baseline (cmake --build <build> --target sarv-abi-baseline)")
endif()
file(READ ${BASELINE} baseline LIMIT 4096)
if(NOT baseline MATCHES "soname='([^']*)'")
  message(FATAL_ERROR "the baseline ${BASELINE} names no SONAME")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL SONAME)
  message(FATAL_ERROR "the baseline describes ${CMAKE_MATCH_1}, the build is ${SONAME}: "
    "the baseline and SOVERSION move together")
endif()

execute_process(
  COMMAND ${ABIDIFF} --no-added-syms --hd1 ${HEADERS} --hd2 ${HEADERS} ${BASELINE} ${LIBRARY}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
# abidiff's status is a bit set: 1 error, 2 usage, 4 ABI change, 8 incompatible.
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the ABI of ${SONAME} differs from its baseline (abidiff status ${rc}):\n"
    "${out}\n${err}\nA change that breaks programs built against the library needs a new "
    "SOVERSION and a new baseline together.")
endif()
message(STATUS "${SONAME} keeps the ABI of its baseline")
