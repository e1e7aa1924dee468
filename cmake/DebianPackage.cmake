# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` in the build folder makes zanfel_<version>_<arch>.deb from the install rules.
# Debian keeps games in /usr/games, so the package's build folder is configured with
# -DCMAKE_INSTALL_BINDIR=games; the help is still found at ../share/zanfel from there.
# dpkg-shlibdeps names the runtime libraries (Qt, chmlib, the C++ library) as dependencies, so
# `apt-get install ./zanfel_*.deb` pulls them in by itself.
set(CPACK_PACKAGE_NAME zanfel)
set(CPACK_PACKAGE_VENDOR "Zanfel")
# Whoever builds the package for others names themselves with -DZANFEL_MAINTAINER="Name <address>".
set(ZANFEL_MAINTAINER "Zanfel developers <zanfel@example.org>"
    CACHE STRING "The Maintainer field of the Debian package: a name and an email address")
set(CPACK_PACKAGE_CONTACT "${ZANFEL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZANFEL_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "real-time patience race against three computer players")
set(CPACK_PACKAGE_DESCRIPTION "You and three computer players each own a full deck and all play at once
on sixteen shared foundations. The first to empty the personal pile goes out
and ends the hand. Every hand is scored, and the game ends when a total
passes 99.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY zanfel)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# A stripped program still carries the compilers' version strings in .comment and .note; Debian's
# own packages drop them, as dh_strip does.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:zanfel>\"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
# Stops `cpack` in a build folder configured for bin/, which would make a package that puts a
# game outside /usr/games.
set(CPACK_ZANFEL_BINDIR "${CMAKE_INSTALL_BINDIR}")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/DebianPackageCheck.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The table's captions need a font; Qt finds none on a machine without one.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# Qt loads its display plugins at run time, which dpkg-shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, qt6-qpa-plugins")
# The sounds are played through libcanberra, which the program opens only when the first sound is
# due, so dpkg-shlibdeps cannot see it either. Without it the game plays on in silence, hence a
# recommendation. Its PulseAudio backend, which the desktops that run a sound server already carry,
# hands the sounds to the server as event sounds; without it they go through ALSA.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcanberra0")
# The game's own words are built into the program in every language it speaks; Qt's words in its
# dialogs (the colour dialog, the buttons of the message boxes) come from Qt's translations, loaded
# from Qt's folder when the language is not English. Without them those few words stay English and
# everything else works, hence a recommendation, not a dependency.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "${CPACK_DEBIAN_PACKAGE_RECOMMENDS}, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libcanberra-pulse")

include(CPack)
