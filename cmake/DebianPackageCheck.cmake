# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before it builds each package (CPACK_PROJECT_CONFIG_FILE).
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_ZANFEL_BINDIR STREQUAL "games")
    message(FATAL_ERROR "The Debian package puts the game in /usr/games: configure this build folder "
                        "with -DCMAKE_INSTALL_BINDIR=games (it has \"${CPACK_ZANFEL_BINDIR}\").")
endif()
