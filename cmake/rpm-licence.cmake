# Run by cpack in the RPM's staging tree: the licence where Fedora and openSUSE keep licences, as
# LICENSE (flagged %license by packaging.cmake), in place of Debian's copyright file.
set(share "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share")
if(NOT EXISTS "${share}/doc/polygon-pi/copyright")
    message(FATAL_ERROR "no ${share}/doc/polygon-pi/copyright to replace")
endif()
file(REMOVE "${share}/doc/polygon-pi/copyright")
file(COPY "${CPACK_POLYGON_PI_LICENSE}" DESTINATION "${share}/licenses/polygon-pi"
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
