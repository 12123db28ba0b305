# Cross build for 64-bit little-endian POWER Linux with Debian's powerpc64le-linux-gnu-g++.
set(CMAKE_SYSTEM_PROCESSOR ppc64le)
set(cross_triple powerpc64le-linux-gnu)
include("${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake")
