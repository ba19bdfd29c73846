# `cpack -G DEB` builds corvane_<version>_amd64.deb from the install rules: everything under /usr, the
# programs in /usr/games as Debian wants them for a game.
include(${CMAKE_CURRENT_LIST_DIR}/release.cmake)

set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "The Corvane developers")
set(CPACK_PACKAGE_CONTACT "${CORVANE_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL ${CORVANE_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "blackjack against a computer dealer")
# Debian shows this below the summary; its lines are kept within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION [[Corvane is blackjack against a computer dealer, in one window.
You start with $500 and stake chips of 5, 10 or 50 on each round; you can
hit, stand, double down on 11 and take insurance against the dealer's ace.
The dealer draws to 17. Sounds and short clips mark the end of every round.]])
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# Moves the programs to /usr/games, compresses the manual pages and the changelog and leaves out the
# GPL's text, as Debian wants.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian_layout.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The sound libraries are opened at the first sound, not linked, so the linker cannot name them; without
# them the game would be silent for good.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libpulse0 (>= 16.1), libsndfile1 (>= 1.2.0)")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# What the linker does not show: the plugins Qt loads at run time (the X11 platform, the JPEG and GIF
# readers) come with libqt6gui6, and a font comes with fontconfig, which libqt6gui6 depends on. A sound
# server and the native Wayland platform are wanted on a desktop but not needed: the game plays silently
# without the one and runs through XWayland without the other.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, qt6-wayland")

include(CPack)
