# Cross build for i686 Linux with Debian's i686-linux-gnu-g++; ctest runs the tests under qemu-i386.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(cross_triple i686-linux-gnu)
set(cross_emulator qemu-i386)
include("${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake")
