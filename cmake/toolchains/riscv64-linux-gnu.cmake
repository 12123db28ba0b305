# Cross build for 64-bit RISC-V Linux with Debian's riscv64-linux-gnu-g++; ctest runs the tests under qemu-riscv64.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR riscv64)
set(cross_triple riscv64-linux-gnu)
set(CMAKE_C_COMPILER ${cross_triple}-gcc)  # GoogleTest builds C too
set(CMAKE_CXX_COMPILER ${cross_triple}-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-riscv64 -L /usr/${cross_triple})
include("${CMAKE_CURRENT_LIST_DIR}/cross-common.cmake")
