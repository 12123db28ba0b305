# Cross build for 64-bit little-endian POWER Linux with Debian's powerpc64le-linux-gnu-g++.
include("${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake")  # the triple is this file's name
