// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textfile.h"

#include "files.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr char Utf8Bom[] = "\xEF\xBB\xBF";
}

QByteArray TextFile::encode(const QString &text, bool *lossless)
{
    QStringEncoder system(QStringConverter::System);
    QByteArray bytes = system.encode(text);
    // Windows' converter puts '?' for what its code page lacks and reports
    // nothing: only bytes that read back as the text are whole.
    const bool whole = !system.hasError() && QString(QStringDecoder(QStringConverter::System).decode(bytes)) == text;
    if (lossless)
        *lossless = whole;
    return whole ? bytes : QByteArray(Utf8Bom) + text.toUtf8();
}

QString TextFile::decode(const QByteArray &bytes)
{
    return readings(bytes).constFirst();
}

QStringList TextFile::readings(const QByteArray &bytes)
{
    if (bytes.startsWith(Utf8Bom))
        return {QString::fromUtf8(bytes.mid(3))};
    QStringList readings;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    if (QString text = utf8.decode(bytes); !utf8.hasError())
        readings << text;
    QStringDecoder gbk("GBK", QStringConverter::Flag::Stateless);
    if (gbk.isValid()) {
        if (QString text = gbk.decode(bytes); !gbk.hasError() || readings.isEmpty())
            readings << text;
    }
    // The system's own code page: where no GBK converter is built in (Windows,
    // whose code page 936 is GBK), and as the last resort elsewhere.
    QStringDecoder system(QStringConverter::System, QStringConverter::Flag::Stateless);
    if (QString text = system.decode(bytes); !system.hasError() || readings.isEmpty())
        readings << text;
    readings.removeDuplicates();
    return readings;
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

bool TextFile::writeLines(const QString &path, const QStringList &lines, QString *error)
{
    return writeBytes(path, encode(joinLines(lines)), error);
}

std::optional<QString> TextFile::readFirstLine(const QString &path, qint64 maxBytes)
{
    const std::optional<QByteArray> bytes = firstLineBytes(path, maxBytes);
    return bytes ? std::optional(decode(*bytes)) : std::nullopt;
}

std::optional<QByteArray> TextFile::firstLineBytes(const QString &path, qint64 maxBytes)
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
    return bytes;
}
