// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "artsource.h"
#include "testhome.h"

#include <QApplication>
#include <functional>

// A TestHome for tests of windows: drops, windows found by class, modal boxes answered.
class TestEnv : public TestHome
{
    Q_OBJECT
public:
    ~TestEnv() override;

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

// Art and glyph text as a test sets them.
struct FakeArt : ArtSource
{
    QString text;
    QString glyph = QStringLiteral("顶");
    QString art() const override { return text; }
    QString glyphText() const override { return glyph; }
};
