# The Debian package: `cpack -G DEB` in the build directory (or
# scripts/package) writes mousecfg_<version>_amd64.deb. Its dependencies on
# shared libraries come from dpkg-shlibdeps; the Qt Wayland platform plugin,
# which the program loads by name at run time, is named by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mousecfg)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The mousecfg developers <mousecfg@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for QORV wireless gaming mice")
set(CPACK_PACKAGE_DESCRIPTION
    "Edits what the mouse keeps on board: profiles with DPI stages, report rate,\nbutton assignments, macros, lighting and sensor options, through its USB\nreceiver or its charging cable. Includes a command-line front end and the\nudev rule that lets the seat's user reach the mouse without root.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/mousecfg/mousecfg)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qtwayland5")
# Qt's own catalogues translate the file dialogs; without them they are in
# English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "udev, qttranslations5-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_LIST_DIR}/postinst
    ${CMAKE_CURRENT_LIST_DIR}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)

include(CPack)
