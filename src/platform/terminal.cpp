// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "terminal.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <io.h>
#include <qt_windows.h>
#else
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace {
// Where standard output is no terminal: the COLUMNS variable, else 80.
int columnsVariable()
{
    bool ok = false;
    const int columns = qEnvironmentVariableIntValue("COLUMNS", &ok);
    return ok && columns > 0 ? columns : 80;
}
}

#ifdef Q_OS_WIN
namespace {
HANDLE handleOf(FILE *stream)
{
    return reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)));
}
}

// The null device is a character device too: only a console has a mode.
bool Terminal::isTerminal(FILE *stream)
{
    const HANDLE handle = handleOf(stream);
    DWORD mode = 0;
    return ::GetFileType(handle) == FILE_TYPE_CHAR && ::GetConsoleMode(handle, &mode);
}

int Terminal::standardOutputColumns()
{
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (isTerminal(stdout) && ::GetConsoleScreenBufferInfo(handleOf(stdout), &info))
        return info.srWindow.Right - info.srWindow.Left + 1;
    return columnsVariable();
}

// As programs split their command line into words (CommandLineToArgvW): a
// quote inside is written \", and backslashes double only before a quote,
// the closing one included.
QString Terminal::quoted(const QString &text)
{
    QString word = QStringLiteral("\"");
    qsizetype backslashes = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\')) {
            ++backslashes;
            continue;
        }
        word += QString(c == QLatin1Char('"') ? 2 * backslashes + 1 : backslashes, QLatin1Char('\\'));
        word += c;
        backslashes = 0;
    }
    return word + QString(2 * backslashes, QLatin1Char('\\')) + QLatin1Char('"');
}
#else
bool Terminal::isTerminal(FILE *stream)
{
    return isatty(fileno(stream)) == 1;
}

int Terminal::standardOutputColumns()
{
    winsize size{};
    if (isatty(STDOUT_FILENO) && ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return columnsVariable();
}

QString Terminal::quoted(const QString &text)
{
    QString word = text;
    word.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + word + QLatin1Char('\'');
}
#endif
