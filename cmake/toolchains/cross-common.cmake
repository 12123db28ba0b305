# Shared by the cross toolchain files: look for the target's libraries and headers under its
# Debian sysroot, for programs on the host; build GoogleTest for the target from its sources.
set(CMAKE_FIND_ROOT_PATH "/usr/${cross_triple}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# An installed GoogleTest, if any, is built for the host.
if(EXISTS /usr/src/googletest/CMakeLists.txt)
    set(POLYGON_PI_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "")
endif()
