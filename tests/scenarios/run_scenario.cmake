# Runs one scenario folder through the host's script mode and compares the
# whole result with its `expected` file. An `args` file, one argument a line,
# gives the host more arguments (before the scene and script), e.g. a scene
# that is not there.
# A `pictures` file, one file name a line, names BMP files the script must
# have written. The host runs in a copy of the folder, ACTUAL-run, so that
# what a script writes stays in the build.
# -DCOMMAND="wine-run;kestrix.exe" -DDIR=folder -DACTUAL=file-to-write
# [-DPLUGIN=dll]: a plug-in DLL other than the one beside the host.
# [-DHOST_ARGS=--classic]: more arguments for the host, before all others.
# [-DDPI=N]: a screen of N dots per inch (wine-run.sh's KESTRIX_WINE_DPI).
if(NOT ACTUAL OR NOT DIR)
    message(FATAL_ERROR "give -DDIR=folder and -DACTUAL=file-to-write")
endif()
set(work ${ACTUAL}-run)
file(REMOVE_RECURSE ${work})
file(COPY ${DIR}/ DESTINATION ${work})
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
if(HOST_ARGS)
    list(PREPEND args ${HOST_ARGS})
endif()
if(DPI)
    set(ENV{KESTRIX_WINE_DPI} ${DPI})
endif()
execute_process(COMMAND ${COMMAND} ${args}
                WORKING_DIRECTORY ${work}
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
if(EXISTS ${DIR}/pictures)
    file(STRINGS ${DIR}/pictures pictures)
    foreach(picture ${pictures})
        set(bytes "")
        if(EXISTS ${work}/${picture})
            file(READ ${work}/${picture} bytes LIMIT 2)
        endif()
        if(NOT bytes STREQUAL "BM")
            string(APPEND result "no BMP picture ${picture} was written\n")
        endif()
    endforeach()
endif()
file(WRITE ${ACTUAL} "${result}")
file(READ ${DIR}/expected expected)
if(NOT result STREQUAL expected)
    execute_process(COMMAND diff -u ${DIR}/expected ${ACTUAL})
    message(FATAL_ERROR "output differs from ${DIR}/expected (actual: ${ACTUAL})")
endif()
