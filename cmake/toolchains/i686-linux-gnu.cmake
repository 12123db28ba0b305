# Cross build for i686 Linux with Debian's i686-linux-gnu-g++; ctest runs the tests under qemu-i386.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(cross_triple i686-linux-gnu)
set(CMAKE_C_COMPILER ${cross_triple}-gcc)  # GoogleTest builds C too
set(CMAKE_CXX_COMPILER ${cross_triple}-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386 -L /usr/${cross_triple})
include("${CMAKE_CURRENT_LIST_DIR}/cross-common.cmake")
