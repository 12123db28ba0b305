# Cross build for 32-bit ARM Linux, hard-float, with Debian's arm-linux-gnueabihf-g++.
include("${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake")  # the triple is this file's name
