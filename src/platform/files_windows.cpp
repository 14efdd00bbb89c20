// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The checked write and the reading of files with Windows' own means; the
// other systems' version is files.cpp.

#include "files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLockFile>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <qt_windows.h>

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

bool simulatedFullDisk(const QString &path)
{
    const QString &folder = fullDiskFolder();
    return !folder.isEmpty() && QDir::cleanPath(path).startsWith(QDir::cleanPath(folder) + QLatin1Char('/'), Qt::CaseInsensitive);
}

// Names go to the system as UTF-16; their bytes, where the program keeps
// them, are UTF-8.
std::wstring wide(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

QString notRegularKind(const QString &kind)
{
    return QStringLiteral("这里是一个%1，不是普通文件").arg(kind);
}

// What stands at a name in place of a regular file: a link, junction or
// other reparse point, a folder, or a device; empty for a regular file.
QString notRegular(DWORD attributes, DWORD reparseTag)
{
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return notRegularKind(reparseTag == IO_REPARSE_TAG_SYMLINK       ? QStringLiteral("符号链接")
                              : reparseTag == IO_REPARSE_TAG_MOUNT_POINT ? QStringLiteral("目录联接")
                                                                         : QStringLiteral("重解析点"));
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return notRegularKind(QStringLiteral("文件夹"));
    if (attributes & FILE_ATTRIBUTE_DEVICE)
        return notRegularKind(QStringLiteral("设备"));
    return {};
}

// Looks at the name itself, never at what a link there points to; empty
// when nothing or a regular file is there.
QString notRegularAt(const std::wstring &name)
{
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW(name.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return {};
    ::FindClose(search);
    return notRegular(found.dwFileAttributes, found.dwReserved0);
}

QString lastError()
{
    return qt_error_string(int(::GetLastError()));
}

// Writes every byte to the handle and flushes it to the disk.
bool writeAll(HANDLE file, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = DWORD(qMin<qsizetype>(bytes.size() - done, 1 << 30));
        if (!::WriteFile(file, bytes.constData() + done, chunk, &written, nullptr))
            return false;
        done += written;
    }
    return ::FlushFileBuffers(file);
}
}

bool Files::write(const QString &path, const QByteArray &bytes, QString *error)
{
    const std::wstring target = wide(path);
    QString why = notRegularAt(target);
    if (!why.isEmpty())
        return fail(error, why);

    // The bytes go to a new file beside the target, reach the disk, and only
    // then replace it in one step; the old file stays whole until then.
    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 16 && file == INVALID_HANDLE_VALUE; ++attempt) {
        const QString suffix = QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        temporary = target + suffix.toStdWString();
        file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    if (file == INVALID_HANDLE_VALUE)
        return fail(error, lastError());
    if (!writeAll(file, bytes))
        why = lastError();
    else if (simulatedFullDisk(path))
        why = qt_error_string(ERROR_DISK_FULL);
    ::CloseHandle(file);
    // A link put at the name meanwhile is still never replaced.
    if (why.isEmpty())
        why = notRegularAt(target);
    if (why.isEmpty()
        && !::MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        why = lastError();
    if (!why.isEmpty()) {
        ::DeleteFileW(temporary.c_str());
        return fail(error, why);
    }
    return true;
}

bool Files::openRegular(QFile &file, const QByteArray &nativePath, Links links, QString *error)
{
    const std::wstring name = wide(QString::fromUtf8(nativePath));
    if (::GetFileAttributesW(name.c_str()) == INVALID_FILE_ATTRIBUTES)
        return fail(error, lastError());
    const DWORD flags = FILE_FLAG_BACKUP_SEMANTICS | (links == Links::Refuse ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
    const HANDLE handle = ::CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return fail(error, lastError());
    // Check what was opened: a device or pipe is never read, nor a folder,
    // and with Links::Refuse neither is a link or junction.
    FILE_ATTRIBUTE_TAG_INFO opened{};
    QString why;
    if (::GetFileType(handle) != FILE_TYPE_DISK)
        why = notRegularKind(QStringLiteral("设备"));
    else if (!::GetFileInformationByHandleEx(handle, FileAttributeTagInfo, &opened, sizeof opened))
        why = lastError();
    else if (links == Links::Follow)
        why = notRegular(opened.FileAttributes & ~DWORD(FILE_ATTRIBUTE_REPARSE_POINT), 0);
    else
        why = notRegular(opened.FileAttributes, opened.ReparseTag);
    const int fd = why.isEmpty() ? ::_open_osfhandle(intptr_t(handle), _O_RDONLY | _O_BINARY) : -1;
    if (fd < 0) {
        ::CloseHandle(handle);
        return fail(error, why.isEmpty() ? qt_error_string(errno) : why);
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::_close(fd);
        return fail(error, file.errorString());
    }
    return true;
}

bool Files::openRegular(QFile &file, const QString &path, Links links, QString *error)
{
    return openRegular(file, entry(path).native, links, error);
}

Files::Entry Files::entry(const QString &path)
{
    return {path, path.toUtf8()};
}

QList<Files::Entry> Files::regularFiles(const QString &folder)
{
    QList<Entry> entries;
    QDirIterator it(folder, QDir::Files | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        if (info.isFile() && !info.isHidden())
            entries.append({info.fileName(), info.filePath().toUtf8()});
    }
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
