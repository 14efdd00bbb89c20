// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "console.h"

#ifdef Q_OS_WIN
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <qt_windows.h>
#include <shellapi.h>

namespace {
UINT consoleCodePage = 0;

void restoreCodePage()
{
    ::SetConsoleOutputCP(consoleCodePage);
}
}

QStringList Console::arguments(int, char *[])
{
    QStringList out;
    int count = 0;
    if (LPWSTR *words = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            out << QString::fromWCharArray(words[i]);
        ::LocalFree(words);
    }
    return out;
}

QList<QByteArray> Console::fileArguments(int argc, char *argv[])
{
    QList<QByteArray> out;
    for (const QString &argument : arguments(argc, argv))
        out << argument.toUtf8();
    return out;
}

void Console::useUtf8()
{
    ::_setmode(::_fileno(stdin), _O_BINARY);
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    // The console keeps its code page after the program: put the old one back.
    consoleCodePage = ::GetConsoleOutputCP();
    if (consoleCodePage != 0 && consoleCodePage != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8))
        std::atexit(restoreCodePage);
}

const char *Console::drawingPlatform()
{
    // The offscreen platform on Windows sees no installed fonts; the windows
    // one draws into pictures without opening a window.
    return "windows";
}
#else
QStringList Console::arguments(int argc, char *argv[])
{
    QStringList out;
    for (int i = 0; i < argc; ++i)
        out << QString::fromLocal8Bit(argv[i]);
    return out;
}

QList<QByteArray> Console::fileArguments(int argc, char *argv[])
{
    QList<QByteArray> out;
    for (int i = 0; i < argc; ++i)
        out << QByteArray(argv[i]);
    return out;
}

void Console::useUtf8()
{
}

const char *Console::drawingPlatform()
{
    return "offscreen";
}
#endif
