# `make package`: a Debian package of what Install.cmake installs, its dependencies found from
# the binaries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dirforge)
set(CPACK_PACKAGE_VENDOR "The Dirforge developers")
set(CPACK_PACKAGE_CONTACT "The Dirforge developers <dirforge@example.com>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "create many folders at once from names, paths or number ranges")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Dirforge creates many folders at once: from a list of names under one\n\
destination, from a list of full paths, or from a range of numbers. Each new\n\
folder is framed by a prefix, hyphens and a suffix and can receive a copied\n\
folder tree or a set of template subfolders.\n\
.\n\
Every run can be simulated first, is watched in a live visual log and can be\n\
undone. It never overwrites a file and never deletes what it did not create.\n\
The command dirforge-cli does the same without a window.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.com/dirforge")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_SOURCE_DIR})
include(CPack)
