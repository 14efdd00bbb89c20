// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "specialfile.h"

#include <QDir>
#include <QFileInfo>
#include <cstring>
#include <qt_windows.h>
#include <winioctl.h>

namespace {
// A directory junction's reparse data: the target as an NT path, twice.
struct MountPoint
{
    DWORD tag;
    WORD dataLength;
    WORD reserved;
    WORD substituteOffset;
    WORD substituteLength;
    WORD printOffset;
    WORD printLength;
    WCHAR paths[1024];
};

bool junction(const QString &path, const QString &target)
{
    // A junction points at a folder; the test's target is a file, and a junction there must be refused just the same.
    if (!QDir().mkpath(path))
        return false;
    const std::wstring nt = (QStringLiteral("\\??\\") + QDir::toNativeSeparators(QFileInfo(target).absoluteFilePath())).toStdWString();
    MountPoint data{};
    data.tag = IO_REPARSE_TAG_MOUNT_POINT;
    const WORD bytes = WORD(nt.size() * sizeof(WCHAR));
    std::memcpy(data.paths, nt.c_str(), bytes);
    data.substituteLength = bytes;
    data.printOffset = WORD(bytes + sizeof(WCHAR));
    data.dataLength = WORD(4 * sizeof(WORD) + 2 * bytes + 2 * sizeof(WCHAR));
    const HANDLE folder = ::CreateFileW(QDir::toNativeSeparators(path).toStdWString().c_str(), GENERIC_WRITE, 0, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (folder == INVALID_HANDLE_VALUE)
        return false;
    DWORD returned = 0;
    const bool made = ::DeviceIoControl(folder, FSCTL_SET_REPARSE_POINT, &data, data.dataLength + 8, nullptr, 0,
                                        &returned, nullptr);
    ::CloseHandle(folder);
    if (!made)
        QDir().rmdir(path);
    return made;
}

DWORD attributes(const QString &path)
{
    return ::GetFileAttributesW(QDir::toNativeSeparators(path).toStdWString().c_str());
}
}

bool SpecialFile::make(Kind kind, const QString &path, const QString &target)
{
    if (kind == Link)
        return junction(path, target);
    if (kind == Fifo)
        return false;
    return QDir().mkpath(path);
}

bool SpecialFile::isAt(Kind kind, const QString &path)
{
    const DWORD found = attributes(path);
    if (found == INVALID_FILE_ATTRIBUTES)
        return false;
    if (kind == Link)
        return found & FILE_ATTRIBUTE_REPARSE_POINT;
    return kind == Folder && (found & FILE_ATTRIBUTE_DIRECTORY) && !(found & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool SpecialFile::makeFolder(const QByteArray &)
{
    return false;
}
