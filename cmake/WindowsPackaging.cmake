# SPDX-FileCopyrightText: 2026 Tessellon开发组
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows packages, `cpack` in a cross build folder: a setup program
# (NSIS, per user: Start-menu entries, PATH, uninstaller) and a portable
# zip. Both hold the program with every library and Qt plug-in it loads, all
# in one folder, as Windows programs find them there.
set(CPACK_PACKAGE_NAME "tessellon")
set(CPACK_PACKAGE_VENDOR ${TESSELLON_PUBLISHER})
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
# The program files; the libraries are stripped copies (below).
set(CPACK_STRIP_FILES ON)

# The setup's own script (cmake/nsis/NSIS.template.in): per user, in
# Chinese, on the user's PATH, replacing an earlier install.
set(CPACK_NSIS_PACKAGE_NAME ${TESSELLON_PRODUCT})
set(CPACK_NSIS_DISPLAY_NAME ${TESSELLON_PRODUCT})
set(CPACK_NSIS_MUI_ICON ${TESSELLON_ICO})
set(CPACK_NSIS_MUI_UNIICON ${TESSELLON_ICO})
set(CPACK_NSIS_INSTALLED_ICON_NAME "tessellon.exe")
set(CPACK_TESSELLON_COPYRIGHT ${TESSELLON_COPYRIGHT})
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/nsis)

# What the program loads: Qt's libraries, the platform, style and picture
# plug-ins (each in its folder beside the program), the MinGW runtime.
get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin ${qt_core_dll} DIRECTORY)
get_filename_component(qt_prefix ${qt_bin} DIRECTORY)
# Shipped stripped: the debugging symbols are most of their size
# (libstdc++ 24 MB against 2). The tests use the originals.
find_program(TESSELLON_STRIP NAMES ${CMAKE_STRIP} x86_64-w64-mingw32-strip strip REQUIRED)
set(stripped_dir ${PROJECT_BINARY_DIR}/stripped)
function(tessellon_ship destination)
    foreach(library ${ARGN})
        get_filename_component(name ${library} NAME)
        set(stripped ${stripped_dir}/${destination}/${name})
        add_custom_command(OUTPUT ${stripped}
                           COMMAND ${CMAKE_COMMAND} -E make_directory ${stripped_dir}/${destination}
                           COMMAND ${TESSELLON_STRIP} --strip-unneeded -o ${stripped} ${library}
                           DEPENDS ${library})
        list(APPEND outputs ${stripped})
        install(FILES ${stripped} DESTINATION ${destination})
    endforeach()
    string(MAKE_C_IDENTIFIER "stripped_${destination}" target)
    add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()
tessellon_ship(. ${qt_bin}/Qt6Core.dll ${qt_bin}/Qt6Gui.dll ${qt_bin}/Qt6Widgets.dll ${TESSELLON_MINGW_RUNTIME})
tessellon_ship(platforms ${qt_prefix}/plugins/platforms/qwindows.dll)
tessellon_ship(styles ${qt_prefix}/plugins/styles/qwindowsvistastyle.dll)
tessellon_ship(imageformats ${qt_prefix}/plugins/imageformats/qgif.dll ${qt_prefix}/plugins/imageformats/qico.dll
               ${qt_prefix}/plugins/imageformats/qjpeg.dll)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt DESTINATION . RENAME COPYING.txt)
install(FILES ${qt_prefix}/LICENSES/LGPL-3.0-only.txt DESTINATION . RENAME Qt-LGPL-3.0.txt)

include(CPack)
