# Cross build for aarch64 Linux with Debian's aarch64-linux-gnu-g++; ctest runs the tests under qemu-aarch64.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(cross_triple aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${cross_triple}-gcc)  # GoogleTest builds C too
set(CMAKE_CXX_COMPILER ${cross_triple}-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64 -L /usr/${cross_triple})
include("${CMAKE_CURRENT_LIST_DIR}/cross-common.cmake")
