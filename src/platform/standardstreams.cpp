// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "standardstreams.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <cerrno>
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
}

StandardStreams::Closed StandardStreams::guard()
{
    Closed closed;
    closed.input = reopenIfClosed(STDIN_FILENO, O_RDONLY);
    closed.output = reopenIfClosed(STDOUT_FILENO, O_WRONLY);
    reopenIfClosed(STDERR_FILENO, O_WRONLY);
    ::signal(SIGPIPE, SIG_IGN);
    return closed;
}
#else
StandardStreams::Closed StandardStreams::guard()
{
    return {};
}
#endif
