# Runs TEST_EXE with TARVESA_PROGRAM_DIR pointing at a fresh copy of INSTALLATION.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(COPY "${INSTALLATION}/" DESTINATION "${WORK_DIR}")
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env "TARVESA_PROGRAM_DIR=${WORK_DIR}" "${TEST_EXE}"
    RESULT_VARIABLE result)
file(REMOVE_RECURSE "${WORK_DIR}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TEST_EXE} failed: ${result}")
endif()
