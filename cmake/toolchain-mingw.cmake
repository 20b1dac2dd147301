# Shared part of the mingw-w64 toolchain files: the including file sets
# KESTRIX_TRIPLET and CMAKE_SYSTEM_PROCESSOR. The posix thread model is used
# so that std::mutex and GoogleTest compile. Programs are run under Wine.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${KESTRIX_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KESTRIX_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER  ${KESTRIX_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KESTRIX_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(KESTRIX_WINE wine)
