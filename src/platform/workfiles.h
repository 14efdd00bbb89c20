// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The one folder that holds the program's working files, and their names.
// Names are lower case, so every spelling the program uses names one file.
class WorkFiles
{
public:
    static inline const QString CountFile = QStringLiteral("denglu.qbx");
    static inline const QString Snapshot = QStringLiteral("qbx.jpg");
    static inline const QString CharList = QStringLiteral("liebiao.txt");
    static inline const QString Remembered = QStringLiteral("qbx.ini");
    static inline const QString Tips = QStringLiteral("Tessellon的使用技巧.txt");

    // The per-user data folder, created when missing.
    static QString folder();
    // Full path of a working file inside folder().
    static QString path(const QString &name);
    // Deletes the file if it exists; true when it is gone afterwards.
    static bool remove(const QString &name);
};
