// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up and shutdown of the main window: the usage count, the font list
// and the caption; removing the working files.
#include "form1.h"

#include "artdefaults.h"
#include "dialogs.h"
#include "files.h"
#include "scaffold.h"
#include "standardstreams.h"
#include "textfile.h"
#include "workfiles.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLineEdit>
#include <QTextDocument>
#include <QTextEdit>
#include <limits>

namespace {
// The count as the next start will show it: the stored count plus one; a
// text that is not a number counts as 0, as an empty one does.
qint64 nextCount(const QString &usageCount)
{
    bool ok = false;
    const qint64 n = usageCount.trimmed().toLongLong(&ok);
    return (ok && n < std::numeric_limits<qint64>::max()) ? n + 1 : 1;
}

// Far more than any real count; keeps a damaged file from flooding the title.
constexpr qsizetype MaxCountShown = 40;
}

void Form1::Form_Load()
{
    const QString countFile = WorkFiles::path(WorkFiles::CountFile);
    Files::underLock(countLock(), [this, &countFile] {
        if (QFile::exists(countFile)) {
            m_usageCount = TextFile::readFirstLine(countFile).value_or(QString());
        } else {
            m_usageCount = QStringLiteral("1");
            TextFile::writeLines(countFile, {TextFile::numberLine(1)});
        }
    });

    Combo1->addItems(QFontDatabase::families());
    Combo1->setEditText(ArtDefaults::FontName);
    Scaffold::widenPopup(Combo1);

    QString shown = m_usageCount;
    if (shown.size() > MaxCountShown)
        shown = shown.left(MaxCountShown) + QStringLiteral("…");
    setWindowTitle(windowTitle() + QStringLiteral("    这是您第") + shown + QStringLiteral("次使用本软件！"));

    Scaffold::centre(this);
}

void Form1::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    WorkFiles::removeScratch();
    // Another run may have counted since this one started: the count is read
    // again and stored under the lock, so that every run counts. It is written
    // whole or not at all: the old one survives a failed write.
    const QString countFile = WorkFiles::path(WorkFiles::CountFile);
    QString why;
    bool stored = false;
    Files::underLock(countLock(), [this, &countFile, &why, &stored] {
        const std::optional<QString> now = TextFile::readFirstLine(countFile);
        stored = TextFile::writeLines(countFile, {TextFile::numberLine(nextCount(now.value_or(m_usageCount)))}, &why);
    });
    if (stored)
        return;
    const QString message = QStringLiteral("无法保存使用次数“%1”：%2").arg(QDir::toNativeSeparators(countFile), why);
    if (m_sessionEnding)
        StandardStreams::write(stderr, QStringLiteral("tessellon：%1\n").arg(message));
    else
        Dialogs::message(this, message, QStringLiteral("错误提示"), QMessageBox::Warning);
}

void Form1::endSession()
{
    m_sessionEnding = true;
    close();
}

QString Form1::countLock()
{
    return WorkFiles::path(WorkFiles::CountLock);
}

void Form1::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

QString Form1::art() const
{
    // The raw text keeps every character as typed; blocks end in U+2029.
    QString text = Text1->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text;
}

QString Form1::glyphText() const
{
    return Text2->text();
}
