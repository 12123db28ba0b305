# Cross build for 32-bit ARM Linux, hard-float, with Debian's arm-linux-gnueabihf-g++; ctest runs the tests under qemu-arm.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(cross_triple arm-linux-gnueabihf)
set(CMAKE_C_COMPILER ${cross_triple}-gcc)  # GoogleTest builds C too
set(CMAKE_CXX_COMPILER ${cross_triple}-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-arm -L /usr/${cross_triple})
include("${CMAKE_CURRENT_LIST_DIR}/cross-common.cmake")
