// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "snapshotfile.h"

#include "imagefiles.h"

#include <QFileInfo>
#include <cstring>

namespace {
// Byte-for-byte equality; QImage's own comparison goes pixel by pixel.
bool samePixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.format() != b.format() || a.bytesPerLine() != b.bytesPerLine())
        return false;
    return a.constBits() == b.constBits() || memcmp(a.constBits(), b.constBits(), a.sizeInBytes()) == 0;
}
}

bool SnapshotFile::unchangedOnDisk() const
{
    if (m_written.isNull())
        return false;
    const QFileInfo info(m_path);
    return info.isFile() && info.size() == m_size && info.lastModified() == m_modified;
}

bool SnapshotFile::write(const QImage &picture, QString *error)
{
    if (samePixels(picture, m_written) && unchangedOnDisk())
        return true;
    m_written = QImage();
    if (!ImageFiles::save(picture, m_path, "BMP", -1, error))
        return false;
    const QFileInfo info(m_path);
    m_written = picture;
    m_size = info.size();
    m_modified = info.lastModified();
    return true;
}

QImage SnapshotFile::read(QString *error)
{
    if (unchangedOnDisk())
        return m_written;
    return ImageFiles::load(m_path, error);
}
