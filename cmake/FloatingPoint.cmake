# Every flavour computes a double expression in doubles, each operation
# rounded (on x86, SSE2 scalar arithmetic, as Microsoft's compiler does by
# default), never in the x87 unit's extended precision. Checked when the
# build is configured, so that a machine that cannot run the x86 programs
# still refuses an x86 build that would compute otherwise.
#
# The toolchain file of an architecture that needs it gives the flags as
# KESTRIX_ARCH_FLAGS. They are compile options rather than the cached flags
# variables, so that a build folder configured before them takes them too.
include(CheckCXXSourceCompiles)
if(KESTRIX_ARCH_FLAGS)
    add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:${KESTRIX_ARCH_FLAGS}>")
    list(JOIN KESTRIX_ARCH_FLAGS " " CMAKE_REQUIRED_FLAGS)
endif()
check_cxx_source_compiles([=[
#if defined(_MSC_VER) && !defined(__clang__)
#  if defined(_M_IX86) && _M_IX86_FP < 2
#    error x87 arithmetic
#  endif
#elif !defined(__FLT_EVAL_METHOD__) || __FLT_EVAL_METHOD__ != 0
#  error intermediates wider than double
#endif
int main() { return 0; }
]=] KESTRIX_DOUBLES_IN_DOUBLE)
unset(CMAKE_REQUIRED_FLAGS)
if(NOT KESTRIX_DOUBLES_IN_DOUBLE)
    unset(KESTRIX_DOUBLES_IN_DOUBLE CACHE)  # asked again at the next configure
    message(FATAL_ERROR "This compiler keeps double intermediates in extended precision "
                        "(FLT_EVAL_METHOD is not 0). x86 builds need -msse2 -mfpmath=sse "
                        "(KESTRIX_ARCH_FLAGS in the toolchain file).")
endif()
