# `cpack -G DEB` in the build folder makes the Debian package of everything installed.
set(CPACK_PACKAGE_NAME kinemora)
set(CPACK_PACKAGE_VENDOR "The Kinemora developers")
# Debian asks for an e-mail address with the maintainer's name; the developers have none to
# give, so none is given (packaging/kinemora.lintian-overrides says so to lintian).
set(CPACK_PACKAGE_CONTACT "The Kinemora developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# The long description, one line of the Debian control file to each line here.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Kinemora is a teaching piece: one window shows text that scrolls in three"
  "ways, a ball that bounces, a button that flashes, an animated face, a picture"
  "menu that lights up under the pointer, a link that opens a note panel and a"
  "question mark that changes under the pointer, each made from a few window"
  "controls and timers. A viewer shows the program's own code.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_KINEMORA_PROGRAM ${KINEMORA_INSTALL_PROGRAMDIR}/kinemora)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/strip_notes.cmake)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A native package: its developers make it, so its version has no Debian revision and its one
# changelog is packaging/changelog.
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The libraries the program links (Qt, the C++ runtime) come from dpkg-shlibdeps; the X11
# window-system plugin ships with libqt6gui6. On a Wayland desktop Qt uses its own plugin when
# installed and otherwise X11 through Xwayland.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

include(CPack)
