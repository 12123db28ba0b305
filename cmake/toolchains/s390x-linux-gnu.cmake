# Cross build for IBM Z (s390x, big-endian) Linux with Debian's s390x-linux-gnu-g++.
include("${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake")  # the triple is this file's name
