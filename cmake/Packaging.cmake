# SPDX-FileCopyrightText: 2026 Tessellon开发组
# SPDX-License-Identifier: GPL-3.0-or-later

if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackaging.cmake)
    return()
endif()

# A Debian package: `cpack -G DEB` in the build folder.
set(CPACK_PACKAGE_NAME "tessellon")
set(CPACK_PACKAGE_VENDOR "Tessellon")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tessellon加强版 - turns a character or a drawing into text art")
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tessellon <tessellon@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION "graphics")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tessellon.example.org/")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tessellon加强版 turns a character rendered in an installed font, or a
freehand mouse drawing, into text art of 21 lines of 21 cells: the
foreground text where the shape has ink, the background text elsewhere.
.
The art goes to the clipboard for chat programs, to a GBK text file, or
into a picture in chosen colours, optionally over a photo. The user
interface is in Simplified Chinese.")
# The libraries the program links come from dpkg-shlibdeps (dpkg-dev); the
# rest is what it needs at run time without linking it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-wqy-zenhei, fonts-arphic-ukai")
# Opens the saved files and the lists with the desktop's programs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

# Debian's documentation: the copyright and the compressed changelog, whose
# newest entry must name this version.
set(debian_doc ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog newest LIMIT_COUNT 1)
if(NOT newest MATCHES "^tessellon \\(${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}\\)")
    message(FATAL_ERROR "packaging/changelog: the newest entry is not ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog)
execute_process(COMMAND gzip -9 -n -c
                INPUT_FILE ${PROJECT_SOURCE_DIR}/packaging/changelog
                OUTPUT_FILE ${PROJECT_BINARY_DIR}/changelog.Debian.gz
                COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${PROJECT_BINARY_DIR}/changelog.Debian.gz packaging/copyright DESTINATION ${debian_doc})
# Built outside Debian's archive: there is no bug that asked for it.
install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME ${CPACK_PACKAGE_NAME})

include(CPack)
