// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "artsource.h"

#include <QApplication>
#include <QImage>
#include <QMap>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>

// A fresh temporary HOME for one test, the program's fonts installed, requests to open documents recorded.
class TestEnv : public QObject
{
    Q_OBJECT
public:
    TestEnv();
    ~TestEnv() override;

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
    // Drags these files from a file manager onto the widget and drops them there, then runs the
    // deferred handling. False when the widget refuses the drag.
    static bool drop(QWidget *target, const QList<QUrl> &urls);
    template <typename T> static T *window()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *t = qobject_cast<T *>(w))
                return t;
        return nullptr;
    }

public slots:
    void open(const QUrl &url) { m_opened << url.toLocalFile(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldHome;
    QStringList m_opened;
};

// Answers modal boxes in the order the answers were queued: polls until a new box is active,
// hands it to the handler, and closes it afterwards whatever the handler did.
class Modal
{
public:
    // A prompt box answered with text (accepted), or cancelled.
    static void prompt(const QString &text, QStringList *titles = nullptr);
    // Forgets answers that no box asked for.
    static void clear();
    // A message or question box: clicks the button with that role's text
    // ("确定", "是(&Y)", "否(&N)"), recording the box's text.
    static void press(const QString &buttonText, QStringList *texts = nullptr);
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

// Art and glyph text as a test sets them.
struct FakeArt : ArtSource
{
    QString text;
    QString glyph = QStringLiteral("顶");
    QString art() const override { return text; }
    QString glyphText() const override { return glyph; }
};
