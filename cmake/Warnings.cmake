# Warnings are errors on every toolchain. The mingw-w64 runtime is linked
# statically so that the plug-in and the programs need no compiler DLLs beside
# them; the Microsoft-ABI build uses the system's UCRT (msvc-runtime/).
if(MSVC)
    add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:/W4> $<$<COMPILE_LANGUAGE:C,CXX>:/WX>)
    add_compile_definitions(_CRT_SECURE_NO_WARNINGS)
    set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
else()
    add_compile_options($<$<COMPILE_LANGUAGE:C,CXX>:-Wall>
                        $<$<COMPILE_LANGUAGE:C,CXX>:-Wextra>
                        $<$<COMPILE_LANGUAGE:C,CXX>:-Werror>)
    if(NOT KESTRIX_MSVC_ABI)
        add_link_options(-static -static-libgcc -static-libstdc++)
    endif()
endif()
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX)
