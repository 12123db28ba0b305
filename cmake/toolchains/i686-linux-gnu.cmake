# Cross build for i686 Linux with Debian's i686-linux-gnu-g++; ctest runs the tests under qemu-i386.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-linux-gnu-gcc)  # GoogleTest builds C too
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386 -L /usr/i686-linux-gnu)

set(CMAKE_FIND_ROOT_PATH /usr/i686-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The installed GoogleTest is built for the host; build it for the target from its sources.
if(EXISTS /usr/src/googletest/CMakeLists.txt)
    set(POLYGON_PI_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "")
endif()
