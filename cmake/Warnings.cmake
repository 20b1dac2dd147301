# Warnings are errors on both toolchains; the runtime is linked statically so
# that the plug-in and the programs need no compiler DLLs beside them.
if(MSVC)
    add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:/W4> $<$<COMPILE_LANGUAGE:C,CXX>:/WX>)
    add_compile_definitions(_CRT_SECURE_NO_WARNINGS)
    set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
else()
    add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-Wall>
                        $<$<COMPILE_LANGUAGE:C,CXX>:-Wextra>
                        $<$<COMPILE_LANGUAGE:C,CXX>:-Werror>)
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX)
