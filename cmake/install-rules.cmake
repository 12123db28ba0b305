# What `cmake --install` and the packages put where: the program, its manual page and its licence.

# Directories made by the install get these modes whatever the umask, so packages are the same.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# What the program does, in the READMEs and the packages' descriptions alike.
file(READ packaging/description.txt polygon_pi_description)
string(STRIP "${polygon_pi_description}" polygon_pi_description)

# The manual page carries the project's version and its date in its footer. (Made on Windows too,
# for its test.)
configure_file(man/polygon-pi.1.in polygon-pi.1 @ONLY)

if(WIN32)
    # One folder to unzip and double-click in: the program with a README and the licence beside it,
    # as plain text with Windows' line ends (which configure_file gives the template's lines, not
    # the description's).
    string(REPLACE "\n" "\r\n" polygon_pi_description "${polygon_pi_description}")
    configure_file(packaging/windows/README.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
    configure_file(LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
    install(TARGETS polygon-pi RUNTIME DESTINATION .)
    install(FILES "${PROJECT_BINARY_DIR}/README.txt" "${PROJECT_BINARY_DIR}/LICENSE.txt" DESTINATION .)
    return()
endif()

if(POLYGON_PI_STANDALONE)
    # One folder to unpack anywhere: the static program, its manual page, a README and the licence.
    configure_file(packaging/linux/README.in README @ONLY)
    install(TARGETS polygon-pi RUNTIME DESTINATION .)
    install(FILES "${PROJECT_BINARY_DIR}/polygon-pi.1" "${PROJECT_BINARY_DIR}/README" LICENSE
        DESTINATION .)
    return()
endif()

install(TARGETS polygon-pi RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")

# The licence in Debian's machine-readable copyright format, its holder and text taken from LICENSE:
# each line indented by one space, each empty line a lone full stop.
file(READ LICENSE licence_text)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" copyright_line "${licence_text}")
set(licence_holder "${CMAKE_MATCH_1}")
string(REGEX REPLACE "^[^\n]*\n\nCopyright[^\n]*\n\n" "" licence_text "${licence_text}")
string(STRIP "${licence_text}" licence_text)
string(REPLACE "\n\n" "\n.\n" licence_text "${licence_text}")
string(REPLACE "\n" "\n " licence_text " ${licence_text}")
configure_file(packaging/debian/copyright.in copyright @ONLY)

# Compressed as Debian wants them, at configure time like their texts: best compression, and no
# name or time stamp in the header, so the bytes depend on the text alone.
foreach(name IN ITEMS polygon-pi.1 changelog)
    execute_process(COMMAND gzip -9n -c ${name} WORKING_DIRECTORY "${PROJECT_BINARY_DIR}"
        OUTPUT_FILE "${PROJECT_BINARY_DIR}/${name}.gz" RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip -9n ${name} failed: ${failed} (Debian: gzip)")
    endif()
endforeach()

install(FILES "${PROJECT_BINARY_DIR}/polygon-pi.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES "${PROJECT_BINARY_DIR}/copyright" "${PROJECT_BINARY_DIR}/changelog.gz"
    DESTINATION "${CMAKE_INSTALL_DOCDIR}")
