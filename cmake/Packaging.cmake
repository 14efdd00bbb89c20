# SPDX-FileCopyrightText: 2026 Tessellon开发组
# SPDX-License-Identifier: GPL-3.0-or-later

# A Debian package: `cpack -G DEB` in the build folder.
set(CPACK_PACKAGE_NAME "tessellon")
set(CPACK_PACKAGE_VENDOR "Tessellon")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tessellon加强版 - turns a character or a drawing into text art")
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tessellon <tessellon@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION "graphics")
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins, fonts-wqy-zenhei, fonts-arphic-ukai")
include(CPack)
