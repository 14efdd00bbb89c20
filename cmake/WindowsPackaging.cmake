# SPDX-FileCopyrightText: 2026 Tessellon开发组
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows packages, `cpack` in a cross build folder: a setup program
# (NSIS: Start-menu entry, uninstaller) and a portable zip. Both hold the
# program with every library and Qt plug-in it loads, all in one folder, as
# Windows programs find them there.
set(CPACK_PACKAGE_NAME "tessellon")
set(CPACK_PACKAGE_VENDOR "Tessellon")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tessellon加强版 - turns a character or a drawing into text art")
set(CPACK_PACKAGE_FILE_NAME "tessellon-${PROJECT_VERSION}-win64")
# The setup program says what it is: tessellon-VERSION-win64-setup.exe.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackWindows.cmake)
file(WRITE ${CPACK_PROJECT_CONFIG_FILE}
     "if(CPACK_GENERATOR STREQUAL \"NSIS\")\n  set(CPACK_PACKAGE_FILE_NAME \"${CPACK_PACKAGE_FILE_NAME}-setup\")\nendif()\n")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Tessellon")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Tessellon")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt)
set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_EXECUTABLES "tessellon" "Tessellon加强版")

set(CPACK_NSIS_PACKAGE_NAME "Tessellon加强版")
set(CPACK_NSIS_DISPLAY_NAME "Tessellon加强版")
set(CPACK_NSIS_INSTALL_ROOT "$LOCALAPPDATA\\\\Programs")
set(CPACK_NSIS_MUI_ICON ${TESSELLON_ICO})
set(CPACK_NSIS_MUI_UNIICON ${TESSELLON_ICO})
set(CPACK_NSIS_INSTALLED_ICON_NAME "tessellon.exe")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
set(CPACK_NSIS_MUI_FINISHPAGE_RUN "tessellon.exe")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# A single user's programs folder: no administrator needed.
set(CPACK_NSIS_DEFINES "RequestExecutionLevel user")
# A 64-bit setup for a 64-bit program, Unicode for the Chinese names:
# CMake's own script with that one line added.
set(nsis_template ${PROJECT_BINARY_DIR}/nsis-template)
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in nsis_script)
string(FIND "${nsis_script}" ";" script_start)
string(SUBSTRING "${nsis_script}" 0 ${script_start} byte_order_mark)
string(SUBSTRING "${nsis_script}" ${script_start} -1 nsis_script)
file(WRITE ${nsis_template}/NSIS.template.in "${byte_order_mark}Target amd64-unicode\n${nsis_script}")
list(PREPEND CMAKE_MODULE_PATH ${nsis_template})

# What the program loads: Qt's libraries, the platform, style and picture
# plug-ins (each in its folder beside the program), the MinGW runtime.
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin ${qt_core_dll} DIRECTORY)
get_filename_component(qt_prefix ${qt_bin} DIRECTORY)
install(FILES ${qt_bin}/Qt6Core.dll ${qt_bin}/Qt6Gui.dll ${qt_bin}/Qt6Widgets.dll DESTINATION .)
install(FILES ${qt_prefix}/plugins/platforms/qwindows.dll ${qt_prefix}/plugins/platforms/qoffscreen.dll
        DESTINATION platforms)
install(FILES ${qt_prefix}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)
install(FILES ${qt_prefix}/plugins/imageformats/qgif.dll ${qt_prefix}/plugins/imageformats/qico.dll
              ${qt_prefix}/plugins/imageformats/qjpeg.dll DESTINATION imageformats)
install(FILES ${TESSELLON_MINGW_RUNTIME} DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt DESTINATION . RENAME COPYING.txt)
install(FILES ${qt_prefix}/LICENSES/LGPL-3.0-only.txt DESTINATION . RENAME Qt-LGPL-3.0.txt)

include(CPack)
