# Read by cpack for a cross build: the package depends on libc6 at least as new as the newest glibc
# symbol version the program uses (printf@GLIBC_2.17 and __libc_start_main@GLIBC_2.34 need
# 2.34), which is the bound dpkg-shlibdeps gives for a native build. readelf reads any ELF target.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()
find_program(POLYGON_PI_READELF readelf REQUIRED)
execute_process(COMMAND "${POLYGON_PI_READELF}" --version-info "${CPACK_POLYGON_PI_PROGRAM}"
    OUTPUT_VARIABLE version_info COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "Name: GLIBC_[0-9.]+" glibc_versions "${version_info}")
list(TRANSFORM glibc_versions REPLACE "Name: GLIBC_" "")
if(NOT glibc_versions)
    message(FATAL_ERROR "no glibc symbol versions in ${CPACK_POLYGON_PI_PROGRAM}")
endif()
list(SORT glibc_versions COMPARE NATURAL ORDER DESCENDING)
list(GET glibc_versions 0 newest)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= ${newest})")
