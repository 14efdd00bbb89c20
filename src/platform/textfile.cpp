// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textfile.h"

#include "files.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

QByteArray TextFile::encodeGbk(const QString &text, bool *lossless)
{
    QStringEncoder encoder("GBK");
    if (!encoder.isValid()) {
        if (lossless)
            *lossless = false;
        return {};
    }
    QByteArray bytes = encoder.encode(text);
    if (lossless)
        *lossless = !encoder.hasError();
    return bytes;
}

QByteArray TextFile::encode(const QString &text, Fallback fallback)
{
    bool lossless = false;
    QByteArray bytes = encodeGbk(text, &lossless);
    if (lossless || fallback == Fallback::None)
        return bytes;
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QString TextFile::joinLines(const QStringList &lines)
{
    QString out;
    for (const QString &line : lines)
        out += line + QStringLiteral("\r\n");
    return out;
}

QString TextFile::numberLine(qint64 value)
{
    const QString sign = value < 0 ? QStringLiteral("-") : QStringLiteral(" ");
    return sign + QString::number(value < 0 ? -value : value) + QLatin1Char(' ');
}

bool TextFile::writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    return Files::write(path, bytes, error);
}

bool TextFile::writeLines(const QString &path, const QStringList &lines, QString *error,
                          Fallback fallback)
{
    if (!QStringEncoder("GBK").isValid()) {
        if (error)
            *error = QStringLiteral("系统不支持GBK编码");
        return false;
    }
    return writeBytes(path, encode(joinLines(lines), fallback), error);
}

std::optional<QString> TextFile::readFirstLine(const QString &path, qint64 maxBytes)
{
    QFile file;
    if (!Files::openRegular(file, path, Files::Links::Refuse))
        return std::nullopt;
    QByteArray bytes = file.read(maxBytes);
    const qsizetype end = bytes.indexOf('\n');
    if (end >= 0)
        bytes.truncate(end);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder decoder("GBK");
    return decoder.isValid() ? QString(decoder.decode(bytes)) : QString::fromLatin1(bytes);
}
