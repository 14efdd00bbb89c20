// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whether the windows have somewhere to show, asked before Qt is started
// (which would abort without one).
namespace WindowSystem
{
// Always true on Windows and macOS. Elsewhere true when a display is named
// (DISPLAY or WAYLAND_DISPLAY) or a window system is chosen (QT_QPA_PLATFORM
// or the -platform argument).
bool available(int argc, char *argv[]);
}
