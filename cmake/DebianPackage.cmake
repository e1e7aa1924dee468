# `cpack -G DEB` in the build folder makes zanfel_<version>_<arch>.deb from the install rules.
# dpkg-shlibdeps names the runtime libraries (Qt, chmlib, the C++ library) as dependencies, so
# `apt-get install ./zanfel_*.deb` pulls them in by itself.
set(CPACK_PACKAGE_NAME zanfel)
set(CPACK_PACKAGE_VENDOR "Zanfel")
set(ZANFEL_MAINTAINER "Zanfel developers <zanfel@example.org>"
    CACHE STRING "The Maintainer field of the Debian package: a name and an email address")
set(CPACK_PACKAGE_CONTACT "${ZANFEL_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "real-time patience race against three computer players")
set(CPACK_PACKAGE_DESCRIPTION "You and three computer players each own a full deck and all play at once
on sixteen shared foundations. The first to empty the personal pile goes out
and ends the hand. Every hand is scored, and the game ends when a total
passes 99.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY zanfel)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The table's captions need a font; Qt finds none on a machine without one.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# Qt loads its display plugins at run time, which dpkg-shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, qt6-qpa-plugins")

include(CPack)
