// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QFile;
class QUrl;

// Every file the program writes, and the opening of files it reads.
namespace Files
{
enum class Links { Follow, Refuse };

// Why the system would refuse a file of that name (too long for its file
// system, a name the system reserves), in the system's words; nothing when
// the name can be written. Checked by write() before anything is written.
std::optional<QString> checkName(const QByteArray &nativePath);

// The bytes that name the path on disk, with '/' between the names: the
// system's file-name encoding (UTF-8 on Windows, whose names are Unicode).
QByteArray native(const QString &path);
// How many bytes of an absolute name are its root ("/", "C:/",
// "//server/share/"); 0 for a relative name.
qsizetype rootLength(const QByteArray &nativePath);
// The folder that holds the named file, as bytes ("." for a bare name).
QByteArray folderOf(const QByteArray &nativePath);
// Whether both names lead to the same file or folder, whatever the paths.
bool same(const QByteArray &a, const QByteArray &b);

// The one way the program writes a file: the bytes go to a temporary file
// beside it, are flushed and synced and checked, and only then replace the
// file. On failure the old file stays whole and *error holds the system's
// reason. A symbolic link, folder, FIFO or device at the name is never
// written through or replaced.
bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr);
// The same for a name given as the bytes on disk.
bool write(const QByteArray &nativePath, const QByteArray &bytes, QString *error = nullptr);

// Opens a regular file for reading without ever blocking: a FIFO, device or
// folder at the name is refused before anything is opened, and with
// Links::Refuse so is a symbolic link.
bool openRegular(QFile &file, const QByteArray &nativePath, Links links, QString *error = nullptr);
bool openRegular(QFile &file, const QString &path, Links links, QString *error = nullptr);

// The name of these bytes on disk when Qt's file classes keep them
// (QFile::decodeName and encodeName give the same bytes back); nothing for
// a name that would be read as another (not UTF-8, such as GBK).
std::optional<QString> keptName(const QByteArray &native);
// The name as shown to the user: as kept, else decoded as GBK (from old
// archives and disks written on Chinese Windows).
QString shownName(const QByteArray &native);

// A file under the name the user sees and the bytes that name it on disk.
struct Entry
{
    QString name;
    QByteArray native;
};
Entry entry(const QString &path);
// A dropped local file (a file: URL) under its own bytes.
Entry fromUrl(const QUrl &url);
// The regular files, or the folders, of the folder (links followed, hidden
// ones left out), by name, ignoring case; names shown as shownName() gives.
QList<Entry> regularFiles(const QByteArray &folder);
QList<Entry> folders(const QByteArray &folder);
// What stands at the name (exists: anything, a dangling link too).
bool isFolder(const QByteArray &nativePath);
// How the system tells names apart: by letter case on Linux, not on Windows.
Qt::CaseSensitivity nameCase();
// The characters that part a folder from a name in a path: '/', and on
// Windows '\' too.
QString separators();
bool exists(const QByteArray &nativePath);

// Runs work while holding the lock file lockPath, waiting up to a second for
// another program to release it; work runs anyway if the lock cannot be had
// (something other than a regular file at the name, a stopped holder), so
// nothing is lost and nothing hangs.
void underLock(const QString &lockPath, const std::function<void()> &work);

// Test seam: every later write into that folder fails at its last step as on
// a full disk; an empty folder ends it.
void simulateFullDisk(const QString &folder);
}
