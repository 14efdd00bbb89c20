// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "standardstreams.h"

#include "console.h"
#include "filesinternal.h"

#include <QStringDecoder>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
bool reopenIfClosed(int fd, int mode)
{
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
        return false;
    // The lowest free descriptor is this one.
    const int null = ::open("/dev/null", mode | O_CLOEXEC);
    if (null >= 0 && null != fd)
        ::close(null);
    else if (null == fd)
        ::fcntl(fd, F_SETFD, 0);
    return true;
}

void endAtOnce(int signal)
{
    FilesInternal::removeUnfinished();
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}
}

StandardStreams::Closed StandardStreams::guard()
{
    Closed closed;
    closed.input = reopenIfClosed(STDIN_FILENO, O_RDONLY);
    closed.output = reopenIfClosed(STDOUT_FILENO, O_WRONLY);
    reopenIfClosed(STDERR_FILENO, O_WRONLY);
    ::signal(SIGPIPE, SIG_IGN);
    struct sigaction action{};
    action.sa_handler = endAtOnce;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
    return closed;
}

namespace {
[[noreturn]] void endByClosedPipe()
{
    ::signal(SIGPIPE, SIG_DFL);
    ::raise(SIGPIPE);
    std::_Exit(128 + SIGPIPE);
}
}
#else
StandardStreams::Closed StandardStreams::guard()
{
    return {};
}

namespace {
[[noreturn]] void endByClosedPipe()
{
    std::_Exit(1);
}
}
#endif

bool StandardStreams::write(FILE *stream, const QString &text, QString *why)
{
    if (Console::write(stream, text))
        return true;
    if (errno == EPIPE)
        endByClosedPipe();
    if (why)
        *why = QString::fromLocal8Bit(std::strerror(errno));
    std::clearerr(stream);
    return false;
}

std::optional<QString> StandardStreams::decodeLine(QByteArrayView bytes)
{
    return Console::decodeInput(bytes.toByteArray());
}
