// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files.h"
#include "filesinternal.h"

#include <QDir>
#include <QFile>
#include <QDeadlineTimer>
#include <QThread>
#include <QUrl>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The temporary file of the write under way, for a signal's handler to remove.
char unfinished[PATH_MAX + 32];
volatile sig_atomic_t hasUnfinished = 0;
}

void FilesInternal::removeUnfinished()
{
    if (hasUnfinished)
        ::unlink(unfinished);
}

namespace {
using FilesInternal::fail;

// What stands at a name in place of a regular file, in the user's words.
QString notRegular(mode_t mode)
{
    const QString kind = S_ISLNK(mode)    ? QStringLiteral("符号链接")
                         : S_ISDIR(mode)  ? QStringLiteral("文件夹")
                         : S_ISFIFO(mode) ? QStringLiteral("管道")
                         : S_ISSOCK(mode) ? QStringLiteral("套接字")
                                          : QStringLiteral("设备");
    return QStringLiteral("这里是一个%1，不是普通文件").arg(kind);
}
}

std::optional<QString> Files::checkName(const QByteArray &nativePath)
{
    if (nativePath.isEmpty() || nativePath.contains('\0'))
        return qt_error_string(ENOENT);
    const QByteArray folder = folderOf(nativePath);
    const QByteArray name = nativePath.mid(nativePath.lastIndexOf('/') + 1);
    // The limits of the file system that would hold the file, as it states them.
    const long nameMax = ::pathconf(folder.constData(), _PC_NAME_MAX);
    const long pathMax = ::pathconf(folder.constData(), _PC_PATH_MAX);
    if (name.size() > (nameMax > 0 ? nameMax : NAME_MAX) || nativePath.size() >= (pathMax > 0 ? pathMax : PATH_MAX))
        return qt_error_string(ENAMETOOLONG);
    return std::nullopt;
}

QByteArray Files::native(const QString &path)
{
    return QFile::encodeName(path);
}

qsizetype Files::rootLength(const QByteArray &nativePath)
{
    return nativePath.startsWith('/') ? 1 : 0;
}

bool Files::same(const QByteArray &a, const QByteArray &b)
{
    struct stat first{}, second{};
    return ::stat(a.constData(), &first) == 0 && ::stat(b.constData(), &second) == 0 && first.st_dev == second.st_dev
           && first.st_ino == second.st_ino;
}

bool Files::write(const QByteArray &nativePath, const QByteArray &bytes, QString *error)
{
    if (const std::optional<QString> why = checkName(nativePath))
        return fail(error, *why);
    struct stat st{};
    const bool replacing = ::lstat(nativePath.constData(), &st) == 0;
    if (replacing && !S_ISREG(st.st_mode))
        return fail(error, notRegular(st.st_mode));

    // The bytes go to a new file beside the target, under a short name of
    // its own (so any name that fits the folder can be written), and replace
    // the target only once they are all on the disk. No direct-write
    // fallback: the old file must survive a failed write.
    const qsizetype slash = nativePath.lastIndexOf('/');
    QByteArray temporary = (slash >= 0 ? nativePath.left(slash + 1) : QByteArray()) + ".tessellon-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(error, qt_error_string(errno));
    if (size_t(temporary.size()) < sizeof unfinished) {
        std::memcpy(unfinished, temporary.constData(), size_t(temporary.size()) + 1);
        hasUnfinished = 1;
    }
    // The new file gets the old one's permissions, or the usual ones.
    mode_t mode = st.st_mode & 07777;
    if (!replacing) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    QString why;
    for (qsizetype done = 0; why.isEmpty() && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno != EINTR)
            why = qt_error_string(errno);
        done += n > 0 ? n : 0;
    }
    if (why.isEmpty() && (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0))
        why = qt_error_string(errno);
    if (why.isEmpty() && FilesInternal::simulatedFullDisk(nativePath))
        why = qt_error_string(ENOSPC);
    if (::close(fd) != 0 && why.isEmpty())
        why = qt_error_string(errno);
    if (why.isEmpty() && ::rename(temporary.constData(), nativePath.constData()) != 0)
        why = qt_error_string(errno);
    if (!why.isEmpty())
        ::unlink(temporary.constData());
    hasUnfinished = 0;
    return why.isEmpty() || fail(error, why);
}

bool Files::openRegular(QFile &file, const QByteArray &nativePath, Links links, QString *error)
{
    // Look before opening: a FIFO or a device is never opened at all.
    struct stat st{};
    const int found = links == Links::Refuse ? ::lstat(nativePath.constData(), &st)
                                             : ::stat(nativePath.constData(), &st);
    if (found != 0)
        return fail(error, qt_error_string(errno));
    if (!S_ISREG(st.st_mode))
        return fail(error, notRegular(st.st_mode));
    const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | (links == Links::Refuse ? O_NOFOLLOW : 0);
    const int fd = ::open(nativePath.constData(), flags);
    if (fd < 0)
        return fail(error, errno == ELOOP ? notRegular(S_IFLNK) : qt_error_string(errno));
    // The name may have been replaced in between: check what was opened.
    struct stat opened{};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return fail(error, notRegular(opened.st_mode));
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(error, file.errorString());
    }
    return true;
}

std::optional<QString> Files::keptName(const QByteArray &native)
{
    QString name = QFile::decodeName(native);
    if (QFile::encodeName(name) != native)
        return std::nullopt;
    return name;
}

namespace {
// The entries of one kind (S_IFREG, S_IFDIR) in the folder.
QList<Files::Entry> listed(const QByteArray &folder, mode_t kind)
{
    QList<Files::Entry> entries;
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return entries;
    const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;  // hidden, as file lists keep them
        struct stat st{};
        if (::fstatat(::dirfd(dir), entry->d_name, &st, 0) != 0 || (st.st_mode & S_IFMT) != kind)
            continue;
        const QByteArray name(entry->d_name);
        entries.append({Files::shownName(name), prefix + name});
    }
    ::closedir(dir);
    return FilesInternal::sortedByName(entries);
}
}

QList<Files::Entry> Files::regularFiles(const QByteArray &folder)
{
    return listed(folder, S_IFREG);
}

QList<Files::Entry> Files::folders(const QByteArray &folder)
{
    return listed(folder, S_IFDIR);
}

bool Files::isFolder(const QByteArray &nativePath)
{
    struct stat st{};
    return ::stat(nativePath.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Files::exists(const QByteArray &nativePath)
{
    struct stat st{};
    return ::lstat(nativePath.constData(), &st) == 0;
}

Files::Entry Files::fromUrl(const QUrl &url)
{
    // The path's bytes as the URL carries them, percent-decoded: not through
    // a QString, which would turn a name that is not UTF-8 into another.
    const QByteArray native = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    return {shownName(native), native};
}

void Files::underLock(const QString &lockPath, const std::function<void()> &work)
{
    // An advisory lock on a file opened without blocking and without
    // following a link: a FIFO, folder, link or device at the name is never
    // waited on, and the lock dies with its holder, so no lock goes stale.
    // The holders only read and write one short file under it, so a lock held
    // for longer than a second belongs to a stopped program: work runs anyway.
    const int fd = ::open(QFile::encodeName(lockPath).constData(),
                          O_RDONLY | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, 0644);
    struct stat st{};
    const bool usable = fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (usable) {
        const QDeadlineTimer patience(FilesInternal::LockPatienceMs);
        while (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK && !patience.hasExpired())
            QThread::msleep(5);
    }
    work();
    if (fd >= 0)
        ::close(fd);  // closing also releases the lock
}
