# Shared by the Linux cross toolchain files, which set the processor, the triple and the emulator:
# Debian's cross compilers for the triple, and the target's programs run under its qemu with the
# target's loader and libraries from Debian's sysroot for it.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${cross_triple}-gcc)  # GoogleTest builds C too
set(CMAKE_CXX_COMPILER ${cross_triple}-g++)
set(CMAKE_CROSSCOMPILING_EMULATOR ${cross_emulator} -L /usr/${cross_triple})
include("${CMAKE_CURRENT_LIST_DIR}/cross-common.cmake")
