// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QMap>
#include <QObject>
#include <QTemporaryDir>
#include <QUrl>
#include <optional>

// A fresh temporary HOME for one test, the program's fonts installed, requests to open documents
// recorded. Needs Qt Gui only.
class TestHome : public QObject
{
    Q_OBJECT
public:
    TestHome();
    ~TestHome() override;

    QString home() const { return m_dir.path(); }
    QString workFile(const QString &name) const
    {
        return home() + QStringLiteral("/.local/share/Tessellon/") + name;
    }
    QStringList opened() const { return m_opened; }

    static QByteArray readAll(const QString &path);
    static void writeAll(const QString &path, const QByteArray &bytes);
    // True when the text has Chinese characters: a message meant for the user.
    static bool chinese(const QString &text);
    // A small picture ("BMP", a "baseline" or "progressive" JPEG), its header patched to claim side × side.
    static QByteArray pictureClaiming(const QByteArray &format, int side);
    // Pixels of exactly this colour (alpha ignored).
    static int count(const QImage &image, QRgb colour);
    // The bands of scan lines that hold ink (any colour but the background), top to bottom, each as
    // the rectangle around its ink.
    static QList<QRect> inkBands(const QImage &image, QRgb background);
    // The text of every element of that name in an XML document; nothing when it is not well formed.
    static std::optional<QStringList> xmlTexts(const QByteArray &document, const QString &element);

public slots:
    void open(const QUrl &url) { m_opened << url.toLocalFile(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldHome;
    QStringList m_opened;
};

// A full file system at a folder for as long as it lives: a small tmpfs mounted there and filled
// up when the test runs as root and may mount, otherwise the writes into the folder are made to
// fail at their last step. The files given are put there first, so that they can be checked to stay.
class FullDisk
{
public:
    FullDisk(const QString &folder, const QMap<QString, QByteArray> &files);
    ~FullDisk();
    Q_DISABLE_COPY(FullDisk)

private:
    QString m_folder;
    bool m_mounted = false;
};
