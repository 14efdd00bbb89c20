// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testhome.h"

#include "desktop.h"
#include "files.h"
#include "diskfaults.h"
#include "fonts.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QXmlStreamReader>
#include <QtEndian>
#include <algorithm>

TestHome::TestHome() : m_oldHome(qgetenv("HOME"))
{
    qputenv("HOME", m_dir.path().toLocal8Bit());
    qunsetenv("XDG_DATA_HOME");
    // Windows keeps the working folder under %LOCALAPPDATA%: the same place.
    qputenv("LOCALAPPDATA", QDir::toNativeSeparators(m_dir.path() + QStringLiteral("/.local/share")).toLocal8Bit());
    // And the user's own folder, where the file windows start, is HOME.
    qputenv("USERPROFILE", QDir::toNativeSeparators(m_dir.path()).toLocal8Bit());
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        Fonts::install();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
    }
}

TestHome::~TestHome()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    Desktop::simulateNoOpener(false);
    qputenv("HOME", m_oldHome);
}

QByteArray TestHome::readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestHome::writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

bool TestHome::chinese(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'\u4E00' && c <= u'\u9FFF'; });
}

QByteArray TestHome::pictureClaiming(const QByteArray &format, int side)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::red);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format == "BMP" ? "BMP" : "JPG");
    writer.setProgressiveScanWrite(format == "progressive");
    writer.write(image);
    QByteArray bytes = buffer.data();
    if (format == "BMP") {
        qToLittleEndian<qint32>(side, bytes.data() + 18);
        qToLittleEndian<qint32>(side, bytes.data() + 22);
    } else {
        const qsizetype frame = bytes.indexOf(format == "progressive" ? "\xFF\xC2" : "\xFF\xC0");
        qToBigEndian<quint16>(side, bytes.data() + frame + 5);
        qToBigEndian<quint16>(side, bytes.data() + frame + 7);
    }
    return bytes;
}

QList<QRect> TestHome::inkBands(const QImage &image, QRgb background)
{
    QList<QRect> bands;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        QRect line;
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != background)
                line |= QRect(x, y, 1, 1);
        if (!line.isNull())
            inBand ? void(bands.last() |= line) : bands.append(line);
        inBand = !line.isNull();
    }
    return bands;
}

std::optional<QStringList> TestHome::xmlTexts(const QByteArray &document, const QString &element)
{
    QStringList texts;
    QXmlStreamReader xml(document);
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd())
        if (xml.isStartElement() && xml.name() == element)
            texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
    if (xml.hasError())
        return std::nullopt;
    return texts;
}

int TestHome::count(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

FullDisk::FullDisk(const QString &folder, const QMap<QString, QByteArray> &files) : m_folder(folder)
{
    QDir().mkpath(folder);
    m_mounted = DiskFaults::mount(folder);
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        TestHome::writeAll(folder + QLatin1Char('/') + it.key(), it.value());
    if (m_mounted) {
        QFile filler(folder + QStringLiteral("/filler"));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        const QByteArray page(4096, 'x');
        while (filler.write(page) == page.size()) {
        }
    } else {
        Files::simulateFullDisk(folder);
    }
    qInfo("full disk: %s", m_mounted ? "a full tmpfs" : "simulated (no tmpfs: not root or mount refused)");
}

FullDisk::~FullDisk()
{
    if (m_mounted)
        DiskFaults::unmount(m_folder);
    Files::simulateFullDisk(QString());
}

