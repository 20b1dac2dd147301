# Cross-build for 32-bit Windows in the Microsoft C++ ABI (clang, lld-link).
set(KESTRIX_CLANG_TARGET i686-pc-windows-msvc)
set(KESTRIX_WINE_ARCH i386)
set(CMAKE_SYSTEM_PROCESSOR x86)
# Doubles in SSE2 scalar arithmetic, as Microsoft's compiler does for x86
# (/arch:SSE2, its default), not in the x87 unit's extended precision.
set(KESTRIX_ARCH_FLAGS -msse2 -mfpmath=sse)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-msvc-abi.cmake)
