# Cross-build for 32-bit Windows with mingw-w64.
set(KESTRIX_TRIPLET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
# Doubles in SSE2 scalar arithmetic, as Microsoft's compiler does for x86, not
# in the x87 unit's extended precision: every flavour computes the same.
set(KESTRIX_ARCH_FLAGS -msse2 -mfpmath=sse)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
