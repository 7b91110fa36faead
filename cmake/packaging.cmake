# `cpack -G DEB` (scripts/package.sh) packs the installed tree as vantor39_<version>_<arch>.deb
# for prefix /usr. Its dependencies come from the binaries (dpkg-shlibdeps, package
# dpkg-dev); the fonts the windows ask for (Noto Sans CJK TC, the Kai report font) and Qt's
# own dialogs in Chinese are recommended, as a desktop without them still runs the program.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantor39)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "３９Vantor")
set(CPACK_PACKAGE_CONTACT "３９Vantor <vantor39@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "３９Vantor 今彩539 分析工具: draw history and analysis of 今彩539")
set(CPACK_PACKAGE_DESCRIPTION "Keeps the draw history of the Taiwanese lottery game 今彩539 and studies it:
the best-pillars workbench, trace analyses, statistics, moving pattern, number intervals
and double trace. The user's files live in ~/vantor39 (or $VANTOR39_HOME), seeded on
first start with the bundled draw history. The command-line front end vantor39-cli runs
the same computations without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, fonts-arphic-ukai, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
