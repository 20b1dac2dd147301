# Runs one scenario folder through the host's script mode and compares the
# whole result with its `expected` file. An `args` file, one argument a line,
# gives the host more arguments (before the scene and script), e.g. a scene
# that is not there.
# -DCOMMAND="wine-run;kestrix.exe" -DDIR=folder -DACTUAL=file-to-write
# [-DPLUGIN=dll]: a plug-in DLL other than the one beside the host.
set(args --trace --script script)
if(PLUGIN)
    list(PREPEND args --plugin ${PLUGIN})
endif()
if(EXISTS ${DIR}/scene)
    list(PREPEND args --scene scene)
endif()
if(EXISTS ${DIR}/args)
    file(STRINGS ${DIR}/args extra)
    list(PREPEND args ${extra})
endif()
execute_process(COMMAND ${COMMAND} ${args}
                WORKING_DIRECTORY ${DIR}
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err
                RESULT_VARIABLE rc)
string(REPLACE "\r" "" out "${out}")
string(REPLACE "\r" "" err "${err}")
set(result "${out}")
if(NOT err STREQUAL "")
    string(REGEX REPLACE "\n$" "" err "${err}")
    string(REPLACE "\n" "\nstderr: " err "${err}")
    string(APPEND result "stderr: ${err}\n")
endif()
if(NOT rc EQUAL 0)
    string(APPEND result "exit: ${rc}\n")
endif()
file(WRITE ${ACTUAL} "${result}")
file(READ ${DIR}/expected expected)
if(NOT result STREQUAL expected)
    execute_process(COMMAND diff -u ${DIR}/expected ${ACTUAL})
    message(FATAL_ERROR "output differs from ${DIR}/expected (actual: ${ACTUAL})")
endif()
