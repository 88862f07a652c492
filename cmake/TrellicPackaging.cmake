# The Debian package: `cpack` in a build tree packs what `cmake --install` puts in
# place (the game in /usr/games, its desktop entry, icons, metainfo, manual page and
# the copyright file and changelog) under /usr, into
# trellic_<version>_<arch>.deb. The shared libraries the game links are turned into
# Depends by dpkg-shlibdeps (from dpkg-dev), so the list follows the build.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux" OR NOT TRELLIC_WITH_QT)
    return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trellic)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kelvane Corp.")
set(CPACK_PACKAGE_CONTACT "Kelvane Corp. <trellic@kelvane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "three in a row for two players on one computer")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/kelvane/trellic")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own words (the buttons of the boxes and prompts) in the player's language, and
# the glyphs of the Japanese, Chinese, Arabic and Hebrew texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The summary above is the synopsis line; this is the text under it, in lines that
# fit a terminal of 80 columns once dpkg has indented them.
set(CPACK_PACKAGE_DESCRIPTION
    "Trellic is the classic game of three in a row on a three by three board,
for two players taking turns at the same computer. The first player marks
a cell with X, the second with O, and whoever completes a row, a column or
a diagonal wins. Both players enter their names, and the scores are kept
from game to game.")

# What Debian asks of every package's documentation folder: the licence in its
# machine-readable copyright format, taken from LICENSE, and the changelog.
set(TRELLIC_PACKAGE_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${CPACK_PACKAGE_NAME})
set(licence_file ${PROJECT_SOURCE_DIR}/LICENSE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${licence_file})
file(READ ${licence_file} licence)
if(NOT licence MATCHES "\nCopyright \\(c\\) ([^\n]+)\n\n(.*)$")
    message(FATAL_ERROR "${licence_file} has no copyright line followed by the licence")
endif()
set(TRELLIC_COPYRIGHT ${CMAKE_MATCH_1})
# The licence text as a field of the copyright file: every line indented by one
# space, and an empty line written as " .".
string(STRIP "${CMAKE_MATCH_2}" licence)
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " TRELLIC_LICENSE_TEXT " ${licence}")
set(TRELLIC_CONTACT "${CPACK_PACKAGE_CONTACT}")
set(TRELLIC_HOMEPAGE "${CPACK_PACKAGE_HOMEPAGE_URL}")
configure_file(${PROJECT_SOURCE_DIR}/resources/package/copyright.in package/copyright @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/package/copyright DESTINATION ${TRELLIC_PACKAGE_DOCDIR})

include(TrellicGzip)
trellic_install_gzipped(${PROJECT_SOURCE_DIR}/resources/package/changelog
    DESTINATION ${TRELLIC_PACKAGE_DOCDIR})

include(CPack)
