# Cross-build for 64-bit Windows in the Microsoft C++ ABI (clang, lld-link).
set(KESTRIX_CLANG_TARGET x86_64-pc-windows-msvc)
set(KESTRIX_WINE_ARCH x86_64)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-msvc-abi.cmake)
