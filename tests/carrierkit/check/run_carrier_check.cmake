# Runs carrier_check on one DLL and wants its exit code and a piece of what it
# prints (standard output and error together).
# -DCOMMAND="wine-run;carrier_check.exe;DLL" -DEXIT=N -DEXPECT=text [-DEXPECT_ALSO=text]
execute_process(COMMAND ${COMMAND}
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err
                RESULT_VARIABLE rc)
string(REPLACE "\r" "" printed "${out}${err}")
message("${printed}")
if(NOT rc STREQUAL EXIT)
    message(FATAL_ERROR "exit ${rc}, expected ${EXIT}")
endif()
foreach(piece "${EXPECT}" "${EXPECT_ALSO}")
    string(FIND "${printed}" "${piece}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the output lacks: ${piece}")
    endif()
endforeach()
