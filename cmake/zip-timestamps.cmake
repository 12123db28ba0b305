# Run by cpack between staging the files and zipping them (CMake 3.19 and newer). The DEB
# generator stamps its files with SOURCE_DATE_EPOCH by itself; the ZIP generator keeps each file's
# own time, so the staged files get that time here, and the zip does not record when it was built.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    return()
endif()
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
execute_process(COMMAND touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" ${staged} COMMAND_ERROR_IS_FATAL ANY)
