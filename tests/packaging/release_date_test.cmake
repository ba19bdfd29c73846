# Checks the release date conversion the Debian changelog relies on against dates whose weekday is known,
# around leap days and the turn of centuries.
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/release.cmake)

set(cases
    "2026-12-07|Mon, 07 Dec 2026 12:00:00 +0000"
    "2024-02-29|Thu, 29 Feb 2024 12:00:00 +0000"
    "2024-03-01|Fri, 01 Mar 2024 12:00:00 +0000"
    "2023-01-01|Sun, 01 Jan 2023 12:00:00 +0000"
    "2000-02-29|Tue, 29 Feb 2000 12:00:00 +0000"
    "2100-03-01|Mon, 01 Mar 2100 12:00:00 +0000"
    "1999-12-31|Fri, 31 Dec 1999 12:00:00 +0000"
    "2027-10-09|Sat, 09 Oct 2027 12:00:00 +0000")
set(failures 0)
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" parts "${case}")
    list(GET parts 0 iso)
    list(GET parts 1 expected)
    corvane_rfc2822_date(${iso} actual)
    if(NOT actual STREQUAL expected)
        message(SEND_ERROR "${iso}: got '${actual}', expected '${expected}'")
        math(EXPR failures "${failures} + 1")
    endif()
endforeach()
if(failures)
    message(FATAL_ERROR "${failures} release dates written wrongly")
endif()
