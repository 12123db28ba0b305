# Cross build for aarch64 Linux with Debian's aarch64-linux-gnu-g++.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(cross_triple aarch64-linux-gnu)
include("${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake")
