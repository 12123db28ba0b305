# Cross build for 64-bit RISC-V Linux with Debian's riscv64-linux-gnu-g++.
set(CMAKE_SYSTEM_PROCESSOR riscv64)
set(cross_triple riscv64-linux-gnu)
include("${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake")
