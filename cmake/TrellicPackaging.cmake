# The Debian package: `cpack` in a build tree packs what `cmake --install` puts in
# place (the game, its desktop entry, icons and metainfo) under /usr, into
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
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The summary above is the synopsis line; this is the text under it.
set(CPACK_PACKAGE_DESCRIPTION
    "Trellic is the classic game of three in a row on a three by three board, for two
players taking turns at the same computer. The first player marks a cell with X,
the second with O, and whoever completes a row, a column or a diagonal wins.
Both players enter their names, and the scores are kept from game to game.")

include(CPack)
