# `cpack -G DEB` (scripts/package.sh) packs the installed tree as vantor39_<version>-<revision>_<arch>.deb
# for prefix /usr. Its dependencies come from the binaries (dpkg-shlibdeps, package
# dpkg-dev); the fonts the windows ask for (Noto Sans CJK TC, the Kai report font) and Qt's
# own dialogs in Chinese are recommended, as a desktop without them still runs the program.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantor39)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The package's own revision (version 1.0.0-1): a packaged upstream release, whose
# changes are told in changelog.Debian.gz.
set(CPACK_DEBIAN_PACKAGE_RELEASE ${VANTOR_PACKAGE_RELEASE})
set(CPACK_PACKAGE_VENDOR "３９Vantor")
set(CPACK_PACKAGE_CONTACT "${VANTOR_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VANTOR_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draw history and analysis of the 今彩539 lottery game")
# Each line under 80 characters, as Debian's tools show them.
set(CPACK_PACKAGE_DESCRIPTION "Keeps the draw history of the Taiwanese lottery game 今彩539 and
studies it: the best-pillars workbench, trace analyses, statistics, moving
pattern, number intervals and double trace. The user's files live in
~/vantor39 (or $VANTOR39_HOME), seeded on first start with the bundled draw
history. The command-line front end vantor39-cli runs the same computations
without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Installed into a staging DESTDIR with the real prefix, so what the install writes with
# the prefix in it (the desktop entry's Exec) names /usr, not the staging folder.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, fonts-arphic-ukai, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
