# Read by cpack for each kind of package it makes, with CPACK_GENERATOR naming the kind.

if(CPACK_GENERATOR STREQUAL "RPM")
    set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/rpm-licence.cmake")
endif()
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()

# A cross-built .deb depends on libc6 at least as new as the newest glibc symbol version the
# program uses (one using symbols of GLIBC_2.17 and GLIBC_2.34 needs 2.34), the bound that
# dpkg-shlibdeps gives a native build. readelf reads any ELF target.
if(NOT CPACK_GENERATOR STREQUAL "DEB" OR CPACK_DEBIAN_PACKAGE_SHLIBDEPS)
    return()
endif()
execute_process(COMMAND readelf --version-info "${CPACK_POLYGON_PI_PROGRAM}"
    OUTPUT_VARIABLE version_info RESULT_VARIABLE failed)
string(REGEX MATCHALL "Name: GLIBC_[0-9.]+" glibc_versions "${version_info}")
if(failed OR NOT glibc_versions)
    message(FATAL_ERROR "readelf --version-info (Debian: binutils) gave no glibc symbol versions "
        "for ${CPACK_POLYGON_PI_PROGRAM} (exit status: ${failed})")
endif()
set(newest 0)
foreach(version IN LISTS glibc_versions)
    string(REPLACE "Name: GLIBC_" "" version "${version}")
    if(version VERSION_GREATER newest)
        set(newest "${version}")
    endif()
endforeach()
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= ${newest})" ${CPACK_DEBIAN_PACKAGE_DEPENDS})
