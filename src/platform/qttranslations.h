// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>

// Qt's own words (text boxes' context menus, standard buttons, the
// command-line parser's help and errors) from Qt's installed translations.
namespace QtTranslations
{
// Loads Qt's translation for the locale, or the Chinese one when there is
// none for it, and installs it for the running application, which owns it.
// False when neither is installed: Qt's words then stay English.
bool install(const QLocale &locale = QLocale());
}
