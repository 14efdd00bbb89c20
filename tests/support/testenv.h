#pragma once

#include "artsource.h"

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>
#include <memory>

class QWidget;

// A fresh temporary HOME for one test function, with the program's fonts
// installed and every request to open a document recorded instead of run.
class TestEnv : public QObject
{
    Q_OBJECT
public:
    TestEnv();
    ~TestEnv() override;

    QString home() const { return m_dir->path(); }
    QString workFile(const QString &name) const;
    QStringList opened() const { return m_opened; }

    static QByteArray readAll(const QString &path);
    static void writeAll(const QString &path, const QByteArray &bytes);

public slots:
    void open(const QUrl &url);

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_oldHome;
    QStringList m_opened;
};

// Answers modal boxes in the order the answers were queued: polls until a
// new box is active, hands it to the handler, and closes it afterwards
// whatever the handler did.
class Modal
{
public:
    static void answer(std::function<void(QWidget *)> handler, QStringList *texts = nullptr);
    // A prompt box answered with text (accepted), or cancelled.
    static void prompt(const QString &text, QStringList *titles = nullptr);
    static void cancelPrompt();
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

// Art from rows of '#' (ink) and anything else (blank), CR LF after each.
QString artOf(const QStringList &rows, const QString &ink, const QString &blank);
