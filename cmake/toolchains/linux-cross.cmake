# Shared by the Linux cross toolchain files, each named after its triple: Debian's cross compilers
# for that triple. (cmake/targets.txt names the emulator that runs the target's programs.)
get_filename_component(cross_triple "${CMAKE_PARENT_LIST_FILE}" NAME_WE)
string(REGEX MATCH "^[^-]+" CMAKE_SYSTEM_PROCESSOR "${cross_triple}")
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${cross_triple}-gcc)  # GoogleTest builds C too
set(CMAKE_CXX_COMPILER ${cross_triple}-g++)
include("${CMAKE_CURRENT_LIST_DIR}/cross-common.cmake")
