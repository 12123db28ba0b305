# Packages made by CPack from the install rules. `cpack` in a build directory makes its target's
# main kind: a .deb on Linux, a zip on Windows. `cpack -G RPM` and, on Windows, `cpack -G NSIS`
# (an installer) make the others.

set(CPACK_PACKAGE_NAME polygon-pi)
set(CPACK_PACKAGE_VENDOR "the polygon-pi authors")
set(CPACK_PACKAGE_CONTACT "${polygon_pi_maintainer}")
# The project's description: RPM's summary as it stands, Debian's synopsis begun in small letters.
string(SUBSTRING "${PROJECT_DESCRIPTION}" 0 1 first)
string(SUBSTRING "${PROJECT_DESCRIPTION}" 1 -1 rest)
string(TOLOWER "${first}" first)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${first}${rest}")
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_GENERATOR "")  # the source tarball is the tracked files, made by git archive
# Read by cpack for each kind of package, for what only packaging time can tell.
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/package-time.cmake")

if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME "polygon-pi-${PROJECT_VERSION}-win64")  # the installer adds -setup
    # The installer: into Program Files, a Start-menu shortcut that opens the program's console
    # window, and an uninstaller in Add or remove programs. Its title, pages and footer name the
    # version (the footer would otherwise name the builder's NSIS package).
    set(CPACK_PACKAGE_INSTALL_DIRECTORY polygon-pi)
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY polygon-pi)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(CPACK_NSIS_PACKAGE_NAME "polygon-pi ${PROJECT_VERSION}")
    set(CPACK_NSIS_DISPLAY_NAME "polygon-pi ${PROJECT_VERSION}")
    set(CPACK_PACKAGE_EXECUTABLES polygon-pi polygon-pi)
    set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)  # the shortcut's target: the program is not in bin\
    set(CPACK_NSIS_INSTALLED_ICON_NAME polygon-pi.exe)  # the icon Add or remove programs shows
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_BINARY_DIR}/LICENSE.txt")
    # The installer keeps no file's time of staging: makensis would store each one.
    set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "SetDateSave off")
    # CPack's template names the uninstaller's shortcut "Uninstall", which says nothing in a search
    # of the Start menu: it is renamed, and removed by its new name.
    set(folder "$SMPROGRAMS\\$STARTMENU_FOLDER")
    set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS
        "Rename '${folder}\\Uninstall.lnk' '${folder}\\Uninstall polygon-pi.lnk'")
    # The template removes its key under the vendor's, and leaves the vendor's key, empty; the
    # hook for extra icons runs after that.
    set(CPACK_NSIS_DELETE_ICONS_EXTRA
        "Delete '$SMPROGRAMS\\$MUI_TEMP\\Uninstall polygon-pi.lnk'
  DeleteRegKey /ifempty SHCTX 'Software\\${CPACK_PACKAGE_VENDOR}'")
    # A 64-bit installer, like the program: 64-bit Windows runs either, but wine64 runs only this.
    # The Start-menu folder, which would otherwise take the version from the installer's name;
    # the footer (CPack's own setting for it adds an option that makensis refuses off Windows),
    # and the installer's own version resource, which Explorer shows in setup.exe's Properties.
    # (CPack mangles double quotes in the NSIS code it is given: these are single ones.)
    set(CPACK_NSIS_DEFINES "Target amd64-unicode
!define MUI_STARTMENUPAGE_DEFAULTFOLDER polygon-pi
BrandingText 'polygon-pi ${PROJECT_VERSION}'
VIProductVersion ${PROJECT_VERSION}.0
VIAddVersionKey ProductName polygon-pi
VIAddVersionKey ProductVersion ${PROJECT_VERSION}
VIAddVersionKey FileVersion ${PROJECT_VERSION}
VIAddVersionKey FileDescription 'polygon-pi ${PROJECT_VERSION} Setup'
VIAddVersionKey CompanyName '${CPACK_PACKAGE_VENDOR}'
VIAddVersionKey LegalCopyright '${copyright_line}'")
    # Signed when scripts/release is given a certificate: the program before it is packed, the
    # installer and its uninstaller as NSIS makes them.
    if(NOT "$ENV{POLYGON_PI_SIGN_PKCS12}" STREQUAL "")
        set(CPACK_POLYGON_PI_SIGN "${PROJECT_SOURCE_DIR}/scripts/sign-pe")
        set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/sign-program.cmake")
        string(APPEND CPACK_NSIS_DEFINES "\n!finalize '${CPACK_POLYGON_PI_SIGN} %1'
!uninstfinalize '${CPACK_POLYGON_PI_SIGN} %1'")
    endif()
    include(CPack)
    return()
endif()

if(POLYGON_PI_STANDALONE)
    return()  # scripts/release archives its install tree, with the builder's user taken out
endif()

# A cross build names the package's architecture (CPACK_DEBIAN_PACKAGE_ARCHITECTURE and
# CPACK_RPM_PACKAGE_ARCHITECTURE), as scripts/release does from cmake/targets.txt. A native one
# gets dpkg's and uname's names for this machine.
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # polygon-pi_VERSION_ARCH.deb
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# CPack indents the extended description below the synopsis, as Debian's control format wants.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${polygon_pi_description}")
if(POLYGON_PI_TARGET_X86_32)
    # The program uses SSE2, which Debian's i386 baseline lacks: this package refuses to install on
    # a processor without it rather than install a program that dies of an illegal instruction.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS sse2-support)
endif()
# dpkg-shlibdeps reads the symbol lists of the installed libc6 package; a cross build has no libc6
# of its target installed, and cmake/package-time.cmake reads the same bound from the binary.
if(NOT CMAKE_CROSSCOMPILING)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
set(CPACK_POLYGON_PI_PROGRAM "${PROJECT_BINARY_DIR}/polygon-pi")

set(CPACK_RPM_FILE_NAME RPM-DEFAULT)  # polygon-pi-VERSION-RELEASE.ARCH.rpm
set(CPACK_RPM_PACKAGE_LICENSE MIT)
set(CPACK_RPM_PACKAGE_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_RPM_PACKAGE_DESCRIPTION "${polygon_pi_description}")
set(CPACK_RPM_CHANGELOG_FILE "${PROJECT_BINARY_DIR}/changelog.rpm")
# The licence is a licence file, which rpm --excludedocs keeps; cmake/rpm-licence.cmake puts it there.
set(CPACK_POLYGON_PI_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_RPM_USER_FILELIST "%license /usr/share/licenses/polygon-pi/LICENSE")
# The system owns these; the package owns only its files and its own directories.
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION /usr/share/man /usr/share/man/man1 /usr/share/licenses)
set(CPACK_PACKAGE_RELOCATABLE OFF)  # installed where Fedora's and openSUSE's packages go
# Reproducible: the build time and file times are the last commit's (SOURCE_DATE_EPOCH), and the
# build host is no machine's name. No /usr/lib/.build-id links: the program ships stripped, with
# no debug information for them to find.
set(CPACK_RPM_SPEC_MORE_DEFINE "%define packager ${polygon_pi_maintainer}
%define _buildhost reproducible
%define use_source_date_epoch_as_buildtime 1
%define clamp_mtime_to_source_date_epoch 1
%define _build_id_links none")

include(CPack)
