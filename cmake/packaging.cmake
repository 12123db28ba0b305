# Packages made by CPack from the install rules: a Debian package on Linux, a zip on Windows.
# `cpack` in a build directory makes the one for that build's target.

set(CPACK_PACKAGE_NAME polygon-pi)
set(CPACK_PACKAGE_VENDOR "the polygon-pi authors")
set(CPACK_PACKAGE_CONTACT "${polygon_pi_maintainer}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "table of how inscribed polygons approach pi")
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_GENERATOR "")  # the source tarball is the tracked files, made by git archive

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME "polygon-pi-${PROJECT_VERSION}-win64")
    include(CPack)
    return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # polygon-pi_VERSION_ARCH.deb
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The extended description below the synopsis; CPack indents it as Debian's control format wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "polygon-pi prints the half perimeters of the regular polygons inscribed in a
circle of radius 1, from the hexagon to 100663296 sides, each derived from
the last by plane geometry alone, to 16 decimal places beside the true value
of pi. It then waits for ENTER, so that a console window stays open.

The arithmetic is IEEE 754 double precision in one fixed order, so the table
has the same digits on every architecture.")

# A cross build names the package's architecture (CPACK_DEBIAN_PACKAGE_ARCHITECTURE): its preset
# and scripts/release take it from cmake/targets.txt. A native one gets dpkg's name for this machine.

if(CMAKE_CROSSCOMPILING)
    # dpkg-shlibdeps reads the symbol lists of the installed libc6 package, and no libc6 of the
    # target is installed for a cross build. cmake/debian-depends.cmake derives the same bound from
    # the binary at packaging time instead.
    set(CPACK_POLYGON_PI_PROGRAM "${PROJECT_BINARY_DIR}/polygon-pi${CMAKE_EXECUTABLE_SUFFIX}")
    set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/debian-depends.cmake")
else()
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

include(CPack)
