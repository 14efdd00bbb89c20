// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

class QFile;

// Every file the program writes, and the opening of files it reads.
namespace Files
{
enum class Links { Follow, Refuse };

// The one way the program writes a file: the bytes go to a temporary file
// beside it, are flushed and synced and checked, and only then replace the
// file. On failure the old file stays whole and *error holds the system's
// reason. A symbolic link, folder, FIFO or device at the name is never
// written through or replaced.
bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Opens a regular file for reading without ever blocking: a FIFO, device or
// folder at the name is refused before anything is opened, and with
// Links::Refuse so is a symbolic link.
bool openRegular(QFile &file, const QByteArray &nativePath, Links links, QString *error = nullptr);
bool openRegular(QFile &file, const QString &path, Links links, QString *error = nullptr);

// A file under the name the user sees and the bytes that name it on disk.
struct Entry
{
    QString name;
    QByteArray native;
};
Entry entry(const QString &path);
// The regular files of the folder (links followed, hidden ones left out), by
// name, ignoring case.
// Names that are not UTF-8 (GBK from old archives) are shown decoded as GBK.
QList<Entry> regularFiles(const QString &folder);

// Runs work while holding the lock file lockPath, waiting a few seconds for
// another program to release it; work runs anyway if the lock cannot be had,
// so nothing is lost.
void underLock(const QString &lockPath, const std::function<void()> &work);

// Test seam: every later write into that folder fails at its last step as on
// a full disk; an empty folder ends it.
void simulateFullDisk(const QString &folder);
}
