# SPDX-FileCopyrightText: 2026 Velkor Player developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs one fuzz target for CTest, for a fixed time, from a random seed that the
# log shows (rerun one with -DSEED=...). The inputs libFuzzer finds grow a
# corpus in the build folder, kept from run to run so that each run starts
# where the last one ended; the seeds in the repository are only read. An
# input that breaks a property or trips a sanitizer fails the test and stays
# in the test's work folder, named in the log.
#   cmake -DFUZZER=... -DSEEDS=... -DWORK=... -DSECONDS=... [-DSEED=...] -P RunFuzzer.cmake
file(MAKE_DIRECTORY ${WORK}/corpus)
file(GLOB old_findings ${WORK}/crash-* ${WORK}/leak-* ${WORK}/timeout-* ${WORK}/oom-*
  ${WORK}/slow-unit-*)
if(old_findings)
  file(REMOVE ${old_findings})
endif()
if(NOT SEED)
  string(RANDOM LENGTH 9 ALPHABET 0123456789 SEED)
  string(REGEX REPLACE "^0+" "" SEED "${SEED}")
  if(SEED STREQUAL "")
    set(SEED 1)
  endif()
endif()
message(STATUS "fuzzing ${FUZZER} for ${SECONDS} s, -seed=${SEED}")
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -seed=${SEED} -max_len=65536 -timeout=10
          -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=${WORK}/
          ${WORK}/corpus ${SEEDS}
  WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE result)
file(GLOB findings ${WORK}/crash-* ${WORK}/leak-* ${WORK}/timeout-* ${WORK}/oom-*)
if(NOT result EQUAL 0 OR findings)
  string(REPLACE ";" "\n  " listed "${findings}")
  message(FATAL_ERROR "${FUZZER} failed (${result}) with -seed=${SEED}; the input:\n  ${listed}")
endif()
