# Cross build for 32-bit ARM Linux, hard-float, with Debian's arm-linux-gnueabihf-g++.
set(CMAKE_SYSTEM_PROCESSOR arm)
set(cross_triple arm-linux-gnueabihf)
include("${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake")
