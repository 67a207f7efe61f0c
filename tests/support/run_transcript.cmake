# Runs KORVEL with INPUT on standard input, writes its output to ACTUAL and
# fails unless ACTUAL equals EXPECTED byte for byte and the exit status is 0.
get_filename_component(ACTUAL_DIR ${ACTUAL} DIRECTORY)
file(MAKE_DIRECTORY ${ACTUAL_DIR})
execute_process(COMMAND ${KORVEL}
                INPUT_FILE ${INPUT}
                OUTPUT_FILE ${ACTUAL}
                RESULT_VARIABLE STATUS)
if(NOT STATUS EQUAL 0)
  message(FATAL_ERROR "korvel ended with status ${STATUS} on ${INPUT}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${ACTUAL}
                RESULT_VARIABLE DIFFERENT)
if(DIFFERENT)
  execute_process(COMMAND diff ${EXPECTED} ${ACTUAL} OUTPUT_VARIABLE DIFF)
  message(FATAL_ERROR "output differs from ${EXPECTED}:\n${DIFF}")
endif()
