# Run by CPack on the staged files before it builds the Debian package; turns the installed layout into
# Debian's layout for a game (Debian Policy 11.11):
#  - the programs move from /usr/bin to /usr/games, the game's data stays in /usr/share/corvane, which the
#    program finds from its own folder as ../share/corvane;
#  - the manual pages and the changelog are compressed, whoever installed them;
#  - the full text of the GPL is left out, since the copyright file names the system's copy in
#    /usr/share/common-licenses.
set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT IS_DIRECTORY "${usr}/bin")
    message(FATAL_ERROR "No programs staged in ${usr}/bin")
endif()

file(GLOB programs "${usr}/bin/*")
file(MAKE_DIRECTORY "${usr}/games")
foreach(program IN LISTS programs)
    get_filename_component(name "${program}" NAME)
    file(RENAME "${program}" "${usr}/games/${name}")
endforeach()
file(REMOVE_RECURSE "${usr}/bin")

# Compressed without a name or time stamp, so that every build gives the same bytes.
find_program(GZIP_PROGRAM gzip REQUIRED)
file(GLOB uncompressed "${usr}/share/man/man*/*.[1-9]" "${usr}/share/doc/corvane/changelog")
foreach(file IN LISTS uncompressed)
    execute_process(COMMAND "${GZIP_PROGRAM}" -9 -n -f "${file}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()

file(REMOVE "${usr}/share/doc/corvane/LICENSE")

# The compiler's notes in .comment say nothing a player needs; Debian's own tools strip them too.
find_program(STRIP_PROGRAM strip)
if(STRIP_PROGRAM)
    file(GLOB programs "${usr}/games/*")
    foreach(program IN LISTS programs)
        execute_process(COMMAND "${STRIP_PROGRAM}" --remove-section=.comment "${program}"
            COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
endif()
