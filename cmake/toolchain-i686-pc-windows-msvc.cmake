# Cross-build for 32-bit Windows in the Microsoft C++ ABI (clang, lld-link).
set(KESTRIX_CLANG_TARGET i686-pc-windows-msvc)
set(KESTRIX_WINE_ARCH i386)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-msvc-abi.cmake)
