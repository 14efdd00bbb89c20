// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QString &fullDiskFolder()
{
    static QString folder;
    return folder;
}

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

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

bool simulatedFullDisk(const QString &path)
{
    const QString &folder = fullDiskFolder();
    return !folder.isEmpty() && QDir::cleanPath(path).startsWith(QDir::cleanPath(folder) + QLatin1Char('/'));
}

QString decodeName(const QByteArray &native)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString name = utf8.decode(native);
    if (!utf8.hasError())
        return name;
    QStringDecoder gbk("GBK");
    return gbk.isValid() ? QString(gbk.decode(native)) : QString::fromLatin1(native);
}
}

bool Files::write(const QString &path, const QByteArray &bytes, QString *error)
{
    struct stat st{};
    if (::lstat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode))
        return fail(error, notRegular(st.st_mode));

    // No direct-write fallback: writing the file in place could leave it
    // half written, and the old one must survive a failed write.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, file.errorString());
    // QSaveFile::commit() ignores a failing last flush and sync (a full disk)
    // and would put an empty file in place: flush and sync first, and check.
    QString why;
    if (file.write(bytes) != bytes.size() || !file.flush())
        why = file.errorString();
    else if (::fsync(file.handle()) != 0)
        why = qt_error_string(errno);
    else if (simulatedFullDisk(path))
        why = qt_error_string(ENOSPC);
    if (!why.isEmpty()) {
        file.cancelWriting();
        return fail(error, why);
    }
    if (!file.commit())
        return fail(error, file.errorString());
    return true;
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

bool Files::openRegular(QFile &file, const QString &path, Links links, QString *error)
{
    return openRegular(file, QFile::encodeName(path), links, error);
}

Files::Entry Files::entry(const QString &path)
{
    return {path, QFile::encodeName(path)};
}

QList<Files::Entry> Files::regularFiles(const QString &folder)
{
    QList<Entry> entries;
    const QByteArray native = QFile::encodeName(folder);
    DIR *dir = ::opendir(native.constData());
    if (!dir)
        return entries;
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;  // hidden, as file lists keep them
        struct stat st{};
        if (::fstatat(::dirfd(dir), entry->d_name, &st, 0) != 0 || !S_ISREG(st.st_mode))
            continue;
        const QByteArray name(entry->d_name);
        entries.append({decodeName(name), native + '/' + name});
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return entries;
}

void Files::underLock(const QString &lockPath, const std::function<void()> &work)
{
    QLockFile lock(lockPath);
    lock.tryLock(5000);
    work();
}

void Files::simulateFullDisk(const QString &folder)
{
    fullDiskFolder() = folder;
}
