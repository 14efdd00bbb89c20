// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The checked write and the reading of files with Windows' own means; the
// other systems' version is files.cpp. Names are kept as UTF-8 bytes with
// '/' between the names and go to the system as UTF-16.

#include "files.h"
#include "filesinternal.h"
#include "windowsnames.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLockFile>
#include <QRandomGenerator>
#include <QUrl>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <cctype>
#include <io.h>
#include <qt_windows.h>

namespace {
using FilesInternal::fail;

std::wstring wide(const QByteArray &nativePath)
{
    return QDir::toNativeSeparators(QString::fromUtf8(nativePath)).toStdWString();
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

// The file's identity: its volume and its index there.
bool identity(const QByteArray &nativePath, BY_HANDLE_FILE_INFORMATION *info)
{
    const HANDLE handle = ::CreateFileW(wide(nativePath).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    const bool ok = ::GetFileInformationByHandle(handle, info);
    ::CloseHandle(handle);
    return ok;
}

QList<Files::Entry> listed(const QByteArray &folder, QDir::Filters kind)
{
    QList<Files::Entry> entries;
    // Links followed; hidden entries left out, as file lists keep them.
    QDirIterator it(QString::fromUtf8(folder), kind | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        if (!info.fileName().startsWith(QLatin1Char('.')))
            entries.append({info.fileName(), Files::native(info.filePath())});
    }
    return FilesInternal::sortedByName(entries);
}
}

std::optional<QString> Files::checkName(const QByteArray &nativePath)
{
    if (nativePath.contains('\0') || !keptName(nativePath))
        return qt_error_string(ERROR_INVALID_NAME);
    return WindowsNames::refusal(QString::fromUtf8(nativePath));
}

QByteArray Files::native(const QString &path)
{
    return QDir::fromNativeSeparators(path).toUtf8();
}

qsizetype Files::rootLength(const QByteArray &nativePath)
{
    if (nativePath.size() >= 2 && nativePath[1] == ':' && std::isalpha(uchar(nativePath[0])))
        return nativePath.size() > 2 && nativePath[2] == '/' ? 3 : 2;
    if (nativePath.startsWith("//")) {
        // "//server/share/"
        const qsizetype share = nativePath.indexOf('/', 2);
        const qsizetype end = share < 0 ? -1 : nativePath.indexOf('/', share + 1);
        return end < 0 ? nativePath.size() : end + 1;
    }
    return nativePath.startsWith('/') ? 1 : 0;
}

bool Files::same(const QByteArray &a, const QByteArray &b)
{
    BY_HANDLE_FILE_INFORMATION first{}, second{};
    return identity(a, &first) && identity(b, &second) && first.dwVolumeSerialNumber == second.dwVolumeSerialNumber
           && first.nFileIndexHigh == second.nFileIndexHigh && first.nFileIndexLow == second.nFileIndexLow;
}

bool Files::write(const QByteArray &nativePath, const QByteArray &bytes, QString *error)
{
    if (const std::optional<QString> why = checkName(nativePath))
        return fail(error, *why);
    const std::wstring target = wide(nativePath);
    QString why = notRegularAt(target);
    if (!why.isEmpty())
        return fail(error, why);

    // The bytes go to a new file beside the target under a short name of its
    // own, reach the disk, and only then replace it in one step; the old file
    // stays whole until then.
    const std::wstring folder = wide(folderOf(nativePath)) + L'\\';
    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 16 && file == INVALID_HANDLE_VALUE; ++attempt) {
        const QString name = QStringLiteral(".tessellon-%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        temporary = folder + name.toStdWString();
        file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    if (file == INVALID_HANDLE_VALUE)
        return fail(error, lastError());
    if (!writeAll(file, bytes))
        why = lastError();
    else if (FilesInternal::simulatedFullDisk(nativePath))
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
    const std::wstring name = wide(nativePath);
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
    // Handed over as a stream: Qt maps a file opened from a stream, never
    // one opened from a bare descriptor.
    FILE *stream = ::_fdopen(fd, "rb");
    if (!stream) {
        ::_close(fd);
        return fail(error, qt_error_string(errno));
    }
    if (!file.open(stream, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        std::fclose(stream);
        return fail(error, file.errorString());
    }
    return true;
}

std::optional<QString> Files::keptName(const QByteArray &native)
{
    QString name = QString::fromUtf8(native);
    if (name.toUtf8() != native)
        return std::nullopt;
    return name;
}

Files::Entry Files::fromUrl(const QUrl &url)
{
    return entry(url.toLocalFile());
}

QList<Files::Entry> Files::regularFiles(const QByteArray &folder)
{
    return listed(folder, QDir::Files);
}

QList<Files::Entry> Files::folders(const QByteArray &folder)
{
    return listed(folder, QDir::Dirs);
}

bool Files::isFolder(const QByteArray &nativePath)
{
    const DWORD attributes = ::GetFileAttributesW(wide(nativePath).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Files::exists(const QByteArray &nativePath)
{
    return ::GetFileAttributesW(wide(nativePath).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Files::underLock(const QString &lockPath, const std::function<void()> &work)
{
    // Windows' lock file: one held by a program that died goes stale, one
    // held for longer than a second by a stopped program is passed over.
    QLockFile lock(lockPath);
    lock.tryLock(FilesInternal::LockPatienceMs);
    work();
}
