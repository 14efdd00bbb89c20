// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

// The working file that keeps the large canvas between compositions, as a
// Windows bitmap. It remembers what it last wrote, so writing the same
// picture again, or reading back what it wrote, does not touch the disk
// while the file on disk is still the one it wrote.
class SnapshotFile
{
public:
    explicit SnapshotFile(QString path) : m_path(std::move(path)) {}

    const QString &path() const { return m_path; }
    bool write(const QImage &picture, QString *error);
    QImage read(QString *error);

private:
    bool unchangedOnDisk() const;

    QString m_path;
    QImage m_written;
    qint64 m_size = -1;
    QDateTime m_modified;
};
