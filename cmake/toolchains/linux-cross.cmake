# Shared by the Linux cross toolchain files, which set the processor and the triple: Debian's cross
# compilers for the triple. (cmake/targets.txt names the emulator that runs the target's programs.)
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${cross_triple}-gcc)  # GoogleTest builds C too
set(CMAKE_CXX_COMPILER ${cross_triple}-g++)
include("${CMAKE_CURRENT_LIST_DIR}/cross-common.cmake")
