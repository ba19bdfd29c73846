# The facts about this release that the launcher, the metainfo, the manual pages and the package all
# state. The release's version and date are those of the newest entry of debian/changelog, which the
# Debian package and every other install carry as the game's changelog; the version must be the one given
# to project(), which the program shows.

# One reverse-DNS name for the launcher, the metainfo and the icon, so desktops can match them up.
set(CORVANE_APP_ID io.github.corvane.Corvane)
set(CORVANE_HOMEPAGE https://github.com/corvane/corvane)
set(CORVANE_MAINTAINER "The Corvane developers <corvane@users.noreply.github.com>")
set(CORVANE_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/../debian/changelog)

# Sets CORVANE_RELEASE_VERSION and CORVANE_RELEASE_DATE (YYYY-MM-DD) in the caller's scope from the
# changelog's first entry: its heading "corvane (1.1.0) unstable; urgency=medium" and its trailer
# " -- Name <address>  Mon, 07 Dec 2026 12:00:00 +0000".
function(corvane_read_release changelog)
    file(STRINGS ${changelog} heading LIMIT_COUNT 1)
    if(NOT heading MATCHES "^corvane \\(([^)]+)\\) ")
        message(FATAL_ERROR "${changelog} does not open with an entry of corvane: '${heading}'")
    endif()
    set(version ${CMAKE_MATCH_1})
    file(STRINGS ${changelog} trailers REGEX "^ -- ")
    list(GET trailers 0 trailer)
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    if(NOT trailer MATCHES ">  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
        message(FATAL_ERROR "${changelog}: no date in '${trailer}'")
    endif()
    list(FIND months ${CMAKE_MATCH_2} month_index)
    if(month_index LESS 0)
        message(FATAL_ERROR "${changelog}: no month '${CMAKE_MATCH_2}' in '${trailer}'")
    endif()
    math(EXPR month "${month_index} + 1" OUTPUT_FORMAT DECIMAL)
    if(month LESS 10)
        set(month 0${month})
    endif()
    set(CORVANE_RELEASE_VERSION ${version} PARENT_SCOPE)
    set(CORVANE_RELEASE_DATE ${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()

corvane_read_release(${CORVANE_CHANGELOG})
if(DEFINED PROJECT_VERSION AND NOT CORVANE_RELEASE_VERSION STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "debian/changelog is at ${CORVANE_RELEASE_VERSION}, project() at ${PROJECT_VERSION}: "
        "a release changes both")
endif()
