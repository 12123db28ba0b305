# Cross build for 64-bit RISC-V Linux with Debian's riscv64-linux-gnu-g++.
include("${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake")  # the triple is this file's name
