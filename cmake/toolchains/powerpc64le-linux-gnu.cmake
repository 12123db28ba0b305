# Cross build for 64-bit little-endian POWER Linux with Debian's powerpc64le-linux-gnu-g++; ctest runs the tests under qemu-ppc64le.
set(CMAKE_SYSTEM_PROCESSOR ppc64le)
set(cross_triple powerpc64le-linux-gnu)
set(cross_emulator qemu-ppc64le)
include("${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake")
