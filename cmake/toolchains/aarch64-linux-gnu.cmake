# Cross build for aarch64 Linux with Debian's aarch64-linux-gnu-g++; ctest runs the tests under qemu-aarch64.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(cross_triple aarch64-linux-gnu)
set(cross_emulator qemu-aarch64)
include("${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake")
