# Cross build for i686 Linux with Debian's i686-linux-gnu-g++.
include("${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake")  # the triple is this file's name
