# The facts about this release that the launcher, the metainfo, the manual page, the changelog and the
# package all state. The version itself is the one given to project().

set(CORVANE_RELEASE_DATE 2026-12-07)
# One reverse-DNS name for the launcher, the metainfo and the icon, so desktops can match them up.
set(CORVANE_APP_ID io.github.corvane.Corvane)
set(CORVANE_HOMEPAGE https://github.com/corvane/corvane)
set(CORVANE_MAINTAINER "The Corvane developers <corvane@users.noreply.github.com>")

# Sets `out` to an ISO date (YYYY-MM-DD) written as RFC 2822 wants it in a Debian changelog, at noon UTC:
# "Mon, 07 Dec 2026 12:00:00 +0000". The weekday is worked out (Sakamoto's method), so that a new release
# date needs changing in one place only.
function(corvane_rfc2822_date iso out)
    if(NOT iso MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
        message(FATAL_ERROR "Release date '${iso}' is not written YYYY-MM-DD")
    endif()
    set(year_text ${CMAKE_MATCH_1})
    set(month_text ${CMAKE_MATCH_2})
    set(day_text ${CMAKE_MATCH_3})
    # Leading zeros stripped so the arithmetic below reads them as decimal.
    string(REGEX REPLACE "^0" "" month ${month_text})
    string(REGEX REPLACE "^0" "" day ${day_text})
    set(year ${year_text})
    if(month LESS 1 OR month GREATER 12 OR day LESS 1 OR day GREATER 31)
        message(FATAL_ERROR "Release date '${iso}' is not a calendar date")
    endif()
    set(month_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
    set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    set(weekday_names Sun Mon Tue Wed Thu Fri Sat)
    math(EXPR index "${month} - 1")
    list(GET month_offsets ${index} month_offset)
    list(GET month_names ${index} month_name)
    if(month LESS 3)
        math(EXPR year "${year} - 1")
    endif()
    math(EXPR weekday "(${year} + ${year} / 4 - ${year} / 100 + ${year} / 400 + ${month_offset} + ${day}) % 7")
    list(GET weekday_names ${weekday} weekday_name)
    set(${out} "${weekday_name}, ${day_text} ${month_name} ${year_text} 12:00:00 +0000" PARENT_SCOPE)
endfunction()
