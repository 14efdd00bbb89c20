// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop.h"

#include "files.h"

#include "version.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

void Desktop::identify()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tessellon"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSELLON_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessellon.tessellon"));
}

namespace {
bool noOpener = false;
}

bool Desktop::openDocument(const QString &path)
{
    return !noOpener && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool Desktop::openDocument(const QByteArray &nativePath)
{
    if (noOpener)
        return false;
    if (const std::optional<QString> kept = Files::keptName(nativePath))
        return openDocument(*kept);
    // Percent-encoded from the bytes, so a name that is not UTF-8 keeps them.
    return QDesktopServices::openUrl(QUrl::fromEncoded("file://" + nativePath.toPercentEncoding("/")));
}

QString Desktop::openerAdvice()
{
#ifdef Q_OS_WIN
    return QStringLiteral("可在 Windows 设置的“默认应用”中为这类文件选择程序");
#else
    return QStringLiteral("可安装 xdg-utils 和相应的程序");
#endif
}

void Desktop::simulateNoOpener(bool on)
{
    noOpener = on;
}

void Desktop::copyText(const QString &text, const QString &html)
{
    auto *data = new QMimeData;
    data->setText(text);
    if (!html.isEmpty())
        data->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

void Desktop::copyImage(const QImage &image)
{
    auto *data = new QMimeData;
    data->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}
