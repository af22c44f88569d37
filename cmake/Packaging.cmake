# make package: a Debian package of what `cmake --install` puts in /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ondulix)
set(CPACK_PACKAGE_VENDOR "The Ondulix developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chart a person's cycles and the moon's phase")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Ondulix draws 60 days of a person's cycles counted from their birth date:\n"
    "the Physical, Emotional, Intellectual and Intuitive cycles of 23, 28, 33 and\n"
    "38 days and the three cycles that combine them, over a day grid, with a\n"
    "picture of the moon's phase. It keeps your own birth date and a list of\n"
    "friends. ondulix-chart draws the same chart to a PNG or SVG file.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Ondulix developers <dev@ondulix.invalid>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ONDULIX_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries from what the executables link (dpkg-shlibdeps); and what they
# load at run time, which no linker sees: Qt's platform plugins and the faces
# the chart and the window are drawn in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
