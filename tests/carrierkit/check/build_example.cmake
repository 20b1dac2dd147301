# Configures and builds examples/carrier on its own, as a carrier author who
# copied the folder would, then checks the DLL it makes.
# -DSOURCE=folder -DBINARY=folder -DTOOLCHAIN=file -DCHECK="wine-run;carrier_check.exe"
file(REMOVE_RECURSE ${BINARY})
foreach(step "-S;${SOURCE};-B;${BINARY};--toolchain;${TOOLCHAIN};-DCMAKE_BUILD_TYPE=Release"
             "--build;${BINARY}")
    execute_process(COMMAND ${CMAKE_COMMAND} ${step} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "cmake ${step} failed")
    endif()
endforeach()
execute_process(COMMAND ${CHECK} ${BINARY}/ExampleCarrier.dll RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "carrier_check exit ${rc} on the stand-alone build")
endif()
