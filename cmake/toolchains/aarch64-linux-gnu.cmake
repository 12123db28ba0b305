# Cross build for aarch64 Linux with Debian's aarch64-linux-gnu-g++.
include("${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake")  # the triple is this file's name
