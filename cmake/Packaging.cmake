# "cpack -G DEB" in the build folder packs what "cmake --install" installs
# into a Debian package.
set(CPACK_PACKAGE_NAME corvalmire)
set(CPACK_PACKAGE_VENDOR Skarnholt)
set(CPACK_PACKAGE_CONTACT "Skarnholt <skarnholt@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convert NRG disc images to ISO 9660")
set(CPACK_PACKAGE_DESCRIPTION [[Corvalmire converts a CD or DVD image in Nero's NRG format into an ISO
9660 image. It runs the console converter nrg2iso and shows what it
prints, live, in its window. Images open from the file manager, from
the command line or by dropping them on the window.

The user interface is in Italian.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION otherosfs)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://corvalmire.example.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What it runs besides the libraries it links: Qt's display plugins, and the
# converter on the search path, which it uses when it cannot write its own
# copy beside itself (the installed folder belongs to root). The About box's
# links open with xdg-open; Liberation stands in for the window's fonts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, nrg2iso")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/desktop/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
