# Run by cpack in the Windows packages' staging tree, when scripts/release is given a certificate:
# the program signed before it is packed.
execute_process(COMMAND "${CPACK_POLYGON_PI_SIGN}" "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/polygon-pi.exe"
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${CPACK_POLYGON_PI_SIGN} failed on the program: ${failed}")
endif()
