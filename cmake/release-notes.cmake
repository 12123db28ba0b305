# The release notes, CHANGELOG.md, are the one source of the version, its date and the packages'
# changelogs. Each entry is a heading "## VERSION (YYYY-MM-DD)" and items "- text", continued on
# lines indented by two spaces. Read before project(), which takes the newest entry's version.
# Sets POLYGON_PI_VERSION and POLYGON_PI_DATE, and writes the changelogs in Debian's and RPM's
# formats as changelog and changelog.rpm in the build directory.

set(polygon_pi_maintainer "polygon-pi maintainers <maintainers@polygon-pi.invalid>")

# changelog_dates ISO_DATE: sets debian_date and rpm_date, the formats the two changelogs want, with
# English names whatever the builder's locale.
function(changelog_dates iso)
    string(REGEX MATCH "^([0-9]+)-0?([0-9]+)-0?([0-9]+)$" matched "${iso}")
    string(SUBSTRING "${iso}" 8 2 day)
    # The weekday of the days since 1970-01-01, a Thursday, in the proleptic Gregorian calendar; the
    # year counted from March, so that February's length comes last. Name i is at 3 * i.
    math(EXPR m "(${CMAKE_MATCH_2} + 9) % 12")
    math(EXPR y "${CMAKE_MATCH_1} - ${m} / 10")
    math(EXPR weekday "(${y} * 365 + ${y} / 4 - ${y} / 100 + ${y} / 400 + (153 * ${m} + 2) / 5 + ${CMAKE_MATCH_3} - 719465) % 7 * 3")
    math(EXPR month "(${CMAKE_MATCH_2} - 1) * 3")
    string(SUBSTRING "SunMonTueWedThuFriSat" ${weekday} 3 weekday)
    string(SUBSTRING "JanFebMarAprMayJunJulAugSepOctNovDec" ${month} 3 month)
    set(debian_date "${weekday}, ${day} ${month} ${CMAKE_MATCH_1} 12:00:00 +0000" PARENT_SCOPE)
    set(rpm_date "${weekday} ${month} ${day} ${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

# Read line by line without CMake's lists, which would split an item at a ";" and join lines
# across an unbalanced "[".
file(READ "${CMAKE_CURRENT_LIST_DIR}/../CHANGELOG.md" notes)
string(APPEND notes "\n")  # so that every line, the last too, ends in one
set(debian "")
set(rpm "")
set(version "")
set(number 0)
while(NOT notes STREQUAL "")
    string(FIND "${notes}" "\n" end)
    string(SUBSTRING "${notes}" 0 ${end} line)
    math(EXPR end "${end} + 1")
    string(SUBSTRING "${notes}" ${end} -1 notes)
    math(EXPR number "${number} + 1")
    if(line MATCHES "^## ([0-9]+\\.[0-9]+\\.[0-9]+) \\(([0-9][0-9][0-9][0-9]-[01][0-9]-[0-3][0-9])\\)$")
        if(version)
            string(APPEND debian "\n -- ${polygon_pi_maintainer}  ${debian_date}\n\n")
            string(APPEND rpm "\n")
        else()
            set(POLYGON_PI_VERSION ${CMAKE_MATCH_1})
            set(POLYGON_PI_DATE ${CMAKE_MATCH_2})
        endif()
        set(version ${CMAKE_MATCH_1})
        changelog_dates(${CMAKE_MATCH_2})
        string(APPEND debian "polygon-pi (${version}) unstable; urgency=medium\n\n")
        string(APPEND rpm "* ${rpm_date} ${polygon_pi_maintainer} - ${version}-1\n")
    elseif(line MATCHES "^##")
        # A release is dated: one not yet released has no place in the notes that ship.
        message(FATAL_ERROR "CHANGELOG.md:${number}: \"${line}\" is not a release's heading: "
            "write \"## VERSION (YYYY-MM-DD)\", with the day of the release, when it is made")
    elseif(version AND line MATCHES "^- (.+)")
        string(APPEND debian "  * ${CMAKE_MATCH_1}\n")
        string(APPEND rpm "- ${CMAKE_MATCH_1}\n")
    elseif(version AND line MATCHES "^  ([^ ].*)")
        string(APPEND debian "    ${CMAKE_MATCH_1}\n")
        string(APPEND rpm "  ${CMAKE_MATCH_1}\n")
    elseif(version AND NOT line STREQUAL "")
        message(FATAL_ERROR "CHANGELOG.md:${number}: \"${line}\" is neither a heading, nor an "
            "item \"- text\", nor an item's next line, indented by two spaces")
    endif()
endwhile()
if(NOT POLYGON_PI_VERSION)
    message(FATAL_ERROR "CHANGELOG.md has no entry \"## VERSION (YYYY-MM-DD)\"")
endif()
string(APPEND debian "\n -- ${polygon_pi_maintainer}  ${debian_date}\n")

# cmake -P cmake/release-notes.cmake prints the version, for scripts/release.
if(CMAKE_SCRIPT_MODE_FILE)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E echo "${POLYGON_PI_VERSION}")
    return()
endif()

# Written at each configure, like the manual page; cmake/install-rules.cmake compresses both.
file(WRITE "${CMAKE_BINARY_DIR}/changelog" "${debian}")
file(WRITE "${CMAKE_BINARY_DIR}/changelog.rpm" "${rpm}")
