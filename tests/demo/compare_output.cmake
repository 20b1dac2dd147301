# Runs a program and compares what it prints with an expected file.
# -DCOMMAND="prog;args..." -DEXPECTED=file [-DWORKDIR=dir]
execute_process(COMMAND ${COMMAND}
                WORKING_DIRECTORY ${WORKDIR}
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err
                RESULT_VARIABLE rc)
string(REPLACE "\r" "" out "${out}")
file(READ ${EXPECTED} expected)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "exit code ${rc}\n${err}")
endif()
if(NOT out STREQUAL expected)
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/actual_output.txt "${out}")
    execute_process(COMMAND diff -u ${EXPECTED} ${CMAKE_CURRENT_BINARY_DIR}/actual_output.txt)
    message(FATAL_ERROR "output differs from ${EXPECTED}")
endif()
