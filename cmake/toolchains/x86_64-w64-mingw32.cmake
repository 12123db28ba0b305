# Cross build for 64-bit Windows with Debian's MinGW-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(cross_triple x86_64-w64-mingw32)
# The posix thread model: GoogleTest needs std::mutex, which the win32 model lacks in GCC 12.
set(CMAKE_C_COMPILER ${cross_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${cross_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${cross_triple}-windres)
# Linked statically, so the program runs without MinGW's runtime libraries beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
include("${CMAKE_CURRENT_LIST_DIR}/cross-common.cmake")
