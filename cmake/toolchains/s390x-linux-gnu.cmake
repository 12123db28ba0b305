# Cross build for IBM Z (s390x, big-endian) Linux with Debian's s390x-linux-gnu-g++.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(cross_triple s390x-linux-gnu)
include("${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake")
