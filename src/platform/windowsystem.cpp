// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowsystem.h"

#include <QtGlobal>
#include <cstring>

bool WindowSystem::available([[maybe_unused]] int argc, [[maybe_unused]] char *argv[])
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            break;
        const char *option = argv[i] + (std::strncmp(argv[i], "--", 2) == 0 ? 2 : 1);
        if (argv[i][0] == '-' && std::strncmp(option, "platform", 8) == 0 && (option[8] == '\0' || option[8] == '='))
            return true;
    }
    return false;
#endif
}
