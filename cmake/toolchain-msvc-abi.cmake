# Shared part of the Microsoft C++ ABI toolchain files: clang and lld-link
# target Windows in the Microsoft ABI, against the Windows and UCRT headers
# and the PE import libraries of Debian's Wine development packages. No
# Microsoft tool or library is involved. The including file sets
# KESTRIX_CLANG_TARGET, KESTRIX_WINE_ARCH (i386 or x86_64) and
# CMAKE_SYSTEM_PROCESSOR.
#
# The C++ standard library is libc++'s headers alone; what few compiled parts
# of it the sources need, and the start-up code, are in msvc-runtime/.
set(CMAKE_SYSTEM_NAME Windows)
set(KESTRIX_MSVC_ABI ON)

# The LLVM of the release's own clang, as tools/setup.sh installed it.
execute_process(COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/../tools/llvm-version.sh
                OUTPUT_VARIABLE KESTRIX_LLVM_VERSION OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE kestrix_llvm_status)
if(NOT kestrix_llvm_status EQUAL 0)
    message(FATAL_ERROR "tools/llvm-version.sh cannot tell the LLVM version: run tools/setup.sh")
endif()
set(CMAKE_C_COMPILER   clang-${KESTRIX_LLVM_VERSION})
set(CMAKE_CXX_COMPILER clang++-${KESTRIX_LLVM_VERSION})
set(CMAKE_RC_COMPILER  llvm-rc-${KESTRIX_LLVM_VERSION})
set(CMAKE_C_COMPILER_TARGET   ${KESTRIX_CLANG_TARGET})
set(CMAKE_CXX_COMPILER_TARGET ${KESTRIX_CLANG_TARGET})
set(CMAKE_AR     /usr/bin/llvm-ar-${KESTRIX_LLVM_VERSION})
set(CMAKE_RANLIB /usr/bin/llvm-ranlib-${KESTRIX_LLVM_VERSION})
set(CMAKE_MT     /usr/bin/llvm-mt-${KESTRIX_LLVM_VERSION})
# Without start-up code CMake's check programs cannot link; a library can.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

set(KESTRIX_WINE_INCLUDE /usr/include/wine/wine)
if(KESTRIX_WINE_ARCH STREQUAL "i386")
    set(KESTRIX_WINE_LIBDIR /usr/lib/i386-linux-gnu/wine/i386-windows)
else()
    set(KESTRIX_WINE_LIBDIR /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
endif()

# The header order matters: libc++'s math.h includes the next math.h, which
# must be the small one in msvc-runtime/include that adds what Wine's lacks.
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES
    /usr/lib/llvm-${KESTRIX_LLVM_VERSION}/include/c++/v1
    ${CMAKE_CURRENT_LIST_DIR}/../msvc-runtime/include
    ${KESTRIX_WINE_INCLUDE}/msvcrt
    ${KESTRIX_WINE_INCLUDE}/windows)
set(CMAKE_C_STANDARD_INCLUDE_DIRECTORIES
    ${CMAKE_CURRENT_LIST_DIR}/../msvc-runtime/include
    ${KESTRIX_WINE_INCLUDE}/msvcrt
    ${KESTRIX_WINE_INCLUDE}/windows)
set(CMAKE_RC_STANDARD_INCLUDE_DIRECTORIES ${KESTRIX_WINE_INCLUDE}/windows)

# Wine's winnt.h defines these intrinsics itself (the last on x86_64 only); under other names its
# definitions do not clash with clang's builtins.
set(kestrix_msvc_defines "")
foreach(name _InterlockedAnd64 _InterlockedCompareExchangePointer _InterlockedDecrement64
             _InterlockedExchangeAdd64 _InterlockedExchangePointer _InterlockedIncrement64
             _InterlockedOr64 _InterlockedXor64 _InterlockedCompareExchange128)
    string(APPEND kestrix_msvc_defines " -D${name}=kestrix_wine${name}")
endforeach()
# libc++ as headers only: no threads (the UCRT headers lack its timespec), no
# DLL of its own, no compiled parts referred to from the headers.
string(APPEND kestrix_msvc_defines
       " -D_LIBCPP_HAS_NO_THREADS -D_LIBCPP_DISABLE_VISIBILITY_ANNOTATIONS"
       " -D_LIBCPP_DISABLE_EXTERN_TEMPLATE -D_LIBCPP_NO_AUTO_LINK -D_LIBCPP_NO_VCRUNTIME")
# Exceptions are off (nothing here throws, and libc++'s exception classes are
# compiled code); local statics are not guarded (every call of the plug-in and
# the host runs on the window thread). RTTI stays on, as Microsoft's compiler
# has it by default.
set(CMAKE_C_FLAGS_INIT "${kestrix_msvc_defines}")
set(CMAKE_CXX_FLAGS_INIT "${kestrix_msvc_defines} -fno-exceptions -fno-threadsafe-statics")

# lld-link takes import libraries by their Windows names; Wine installs them
# as libNAME.a. A folder of links gives each its Windows name.
set(KESTRIX_MSVC_LIBDIR ${CMAKE_BINARY_DIR}/msvc-libs)
if(NOT EXISTS ${KESTRIX_MSVC_LIBDIR}/kernel32.lib)
    file(MAKE_DIRECTORY ${KESTRIX_MSVC_LIBDIR})
    file(GLOB kestrix_wine_libs ${KESTRIX_WINE_LIBDIR}/lib*.a)
    foreach(lib ${kestrix_wine_libs})
        get_filename_component(name ${lib} NAME_WE)
        string(REGEX REPLACE "^lib" "" name ${name})
        file(CREATE_LINK ${lib} ${KESTRIX_MSVC_LIBDIR}/${name}.lib SYMBOLIC)
    endforeach()
endif()

# No default libraries: the objects name Microsoft's runtime libraries, which
# do not exist here; each image links the UCRT and its own start-up code.
# An image names its PDB by file name alone, not by this machine's path. The
# PDB's /debug would keep every function of every object linked; /opt:ref
# drops what the image does not use, as a build without a PDB does, without
# folding identical functions into one.
set(kestrix_msvc_link
    "-fuse-ld=lld -nostdlib -L${KESTRIX_MSVC_LIBDIR} -Wl,/nodefaultlib -Wl,/pdbaltpath:%_PDB%")
string(APPEND kestrix_msvc_link " -Wl,/opt:ref,/opt:noicf")
if(KESTRIX_WINE_ARCH STREQUAL "i386")
    # Wine's import libraries carry no safe exception handler tables.
    string(APPEND kestrix_msvc_link " -Wl,/safeseh:no")
endif()
set(CMAKE_EXE_LINKER_FLAGS_INIT "${kestrix_msvc_link} -Wl,/entry:mainCRTStartup")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${kestrix_msvc_link}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${kestrix_msvc_link}")
set(CMAKE_C_STANDARD_LIBRARIES "-lucrtbase -lkernel32 -lntdll" CACHE STRING "" FORCE)
set(CMAKE_CXX_STANDARD_LIBRARIES "-lucrtbase -lkernel32 -lntdll" CACHE STRING "" FORCE)
set(CMAKE_MSVC_RUNTIME_LIBRARY MultiThreadedDLL)

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(KESTRIX_WINE wine)
