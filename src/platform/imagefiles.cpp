// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "imagefiles.h"

#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

bool ImageFiles::save(const QImage &image, const QString &path, const char *format, int quality,
                      QString *error)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QImageWriter writer(&file, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image)) {
        if (error)
            *error = writer.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QImage ImageFiles::load(const QString &path, QString *error, QSize size, Qt::AspectRatioMode aspect)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return QImage();
    };
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("文件不存在"));
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return fail(QStringLiteral("不是可以识别的图片文件"));
    const QSize full = reader.size();
    if (aspect != Qt::IgnoreAspectRatio && full.isValid() && !full.isEmpty() && size.isValid())
        size = full.scaled(size, aspect).expandedTo(QSize(1, 1));
    if (size.isValid() && size.width() > 0 && size.height() > 0) {
        if (reader.supportsOption(QImageIOHandler::ScaledSize))
            reader.setScaledSize(size);
        else if (full.isValid()
                 && qint64(full.width()) * full.height() * 4
                        > qint64(QImageReader::allocationLimit()) * 1024 * 1024)
            return fail(QStringLiteral("图片太大（%1×%2 像素）").arg(full.width()).arg(full.height()));
    }
    QImage image = reader.read();
    if (image.isNull())
        return fail(QStringLiteral("无法读取图片数据：%1").arg(reader.errorString()));
    if (size.isValid() && image.size() != size)
        image = image.scaled(size, aspect, Qt::SmoothTransformation);
    return image;
}
