# Cross builds for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix):
#   cmake -S . -B build-windows --toolchain cmake/mingw-w64.cmake \
#     -DBUILD_TESTING=OFF -DWENDREL_GUI=OFF -DWENDREL_BENCH=OFF
# The posix-thread variant of the compiler is the one whose library has std::thread.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(WENDREL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${WENDREL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${WENDREL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${WENDREL_MINGW_TRIPLE}-windres)

# Libraries and packages come from the cross tree only; tools run on the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${WENDREL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs carry the compiler's runtime in themselves, so that a .exe runs without
# MinGW's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
