# Cross build for i686 Linux with Debian's i686-linux-gnu-g++.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(cross_triple i686-linux-gnu)
include("${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake")
