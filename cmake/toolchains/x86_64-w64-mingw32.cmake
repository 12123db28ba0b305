# Cross build for 64-bit Windows with Debian's MinGW-w64; ctest runs the tests under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
# The posix thread model: GoogleTest needs std::mutex, which the win32 model lacks in GCC 12.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
# Linked statically, so the program runs without MinGW's runtime libraries beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
# wine's own diagnostics would land on the program's standard error.
set(CMAKE_CROSSCOMPILING_EMULATOR env WINEDEBUG=-all wine)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# There is no installed GoogleTest for Windows here; build it from its sources.
if(EXISTS /usr/src/googletest/CMakeLists.txt)
    set(POLYGON_PI_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "")
endif()
