# Runs uiscript on one script and compares its output byte for byte with the expected file.
# Called by the tests that qm_golden registers: cmake -DUISCRIPT=... -DSCRIPT=... -DEXPECTED=...
# -DACTUAL=... -P run_golden.cmake
execute_process(COMMAND ${UISCRIPT} ${SCRIPT}
  OUTPUT_VARIABLE actual RESULT_VARIABLE status)
file(WRITE ${ACTUAL} "${actual}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "uiscript ended with ${status} on ${SCRIPT}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL})
  message(FATAL_ERROR "the output of ${SCRIPT} differs from ${EXPECTED} (written to ${ACTUAL})")
endif()
