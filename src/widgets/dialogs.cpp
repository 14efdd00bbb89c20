// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs.h"

#include "desktop.h"
#include "textfile.h"

#include <QDir>
#include <QInputDialog>
#include <QPushButton>

void Dialogs::message(QWidget *parent, const QString &text, const QString &title,
                      QMessageBox::Icon icon)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}

void Dialogs::openDocument(QWidget *parent, const QString &path, const QByteArray &nativePath)
{
    if (!(nativePath.isEmpty() ? Desktop::openDocument(path) : Desktop::openDocument(nativePath)))
        message(parent,
                QStringLiteral("没有找到能打开这个文件的程序（%1）。请手动打开：\n%2")
                    .arg(Desktop::openerAdvice(), QDir::toNativeSeparators(path)),
                QStringLiteral("无法打开文件"), QMessageBox::Warning);
}

bool Dialogs::writeAndOpen(QWidget *parent, const QString &path, const QStringList &lines, QString *error)
{
    if (!TextFile::writeLines(path, lines, error))
        return false;
    openDocument(parent, path);
    return true;
}

bool Dialogs::ask(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString Dialogs::prompt(QWidget *parent, const QString &title, const QString &label,
                        const QString &defaultAnswer)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    QString shown = label;
    dialog.setLabelText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    dialog.setTextValue(defaultAnswer);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}
