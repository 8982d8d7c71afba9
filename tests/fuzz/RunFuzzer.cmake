# Runs one fuzz target for CTest: a fresh work folder receives the inputs that
# libFuzzer finds (the seeds in the repository are only read), then RUNS inputs
# are tried with a fixed seed so that a run is the same every time.
#   cmake -DFUZZER=... -DSEEDS=... -DWORK=... -DRUNS=... -P RunFuzzer.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus)
execute_process(
  COMMAND ${FUZZER} -runs=${RUNS} -seed=1 -max_len=4096 -timeout=10 -rss_limit_mb=2048
          -print_final_stats=1 -artifact_prefix=${WORK}/ ${WORK}/corpus ${SEEDS}
  WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); the input is in ${WORK}/")
endif()
