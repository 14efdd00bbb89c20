// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "console.h"

#include "terminal.h"

#include <QStringDecoder>
#include <cerrno>

namespace {
// Bytes as they are, flushed at once.
bool writeBytes(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) == size_t(bytes.size())
           && std::fflush(stream) == 0;
}

std::optional<QString> utf8(const QByteArray &bytes)
{
    // Stateless: a character cut off at the end is an error, not one to finish later.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}
}

#ifdef Q_OS_WIN
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <fcntl.h>
#include <io.h>
#include <limits>
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

bool Console::write(FILE *stream, const QString &text)
{
    if (!Terminal::isTerminal(stream))
        return writeBytes(stream, text);
    if (std::fflush(stream) != 0)
        return false;
    const HANDLE console = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)));
    // In pieces a console takes whole, never between the halves of a
    // surrogate pair.
    constexpr qsizetype Piece = 8192;
    for (qsizetype done = 0, length; done < text.size(); done += length) {
        length = std::min(Piece, text.size() - done);
        if (done + length < text.size() && text.at(done + length - 1).isHighSurrogate())
            --length;
        DWORD written = 0;
        if (!::WriteConsoleW(console, reinterpret_cast<const wchar_t *>(text.utf16() + done), DWORD(length), &written,
                             nullptr)) {
            errno = EIO;
            return false;
        }
    }
    return true;
}

std::optional<QString> Console::decodeInput(const QByteArray &line)
{
    if (std::optional<QString> text = utf8(line))
        return text;
    // GetConsoleCP is 0 without a console.
    UINT codePage = ::GetConsoleCP();
    if (codePage == 0)
        codePage = ::GetACP();
    if (codePage == CP_UTF8 || line.size() > std::numeric_limits<int>::max())
        return std::nullopt;
    const int length = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, line.constData(), int(line.size()),
                                             nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    QString text(length, Qt::Uninitialized);
    ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, line.constData(), int(line.size()),
                          reinterpret_cast<wchar_t *>(text.data()), length);
    return text;
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

bool Console::write(FILE *stream, const QString &text)
{
    return writeBytes(stream, text);
}

std::optional<QString> Console::decodeInput(const QByteArray &line)
{
    return utf8(line);
}

const char *Console::drawingPlatform()
{
    return "offscreen";
}
#endif
