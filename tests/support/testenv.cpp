// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testenv.h"

#include "files.h"
#include "fonts.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QImageWriter>
#include <QDropEvent>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>
#include <QtEndian>
#include <sys/mount.h>
#include <unistd.h>

TestEnv::TestEnv() : m_oldHome(qgetenv("HOME"))
{
    qputenv("HOME", m_dir.path().toLocal8Bit());
    qunsetenv("XDG_DATA_HOME");
    Fonts::install();
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
}

TestEnv::~TestEnv()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    Modal::clear();
    qputenv("HOME", m_oldHome);
}

QByteArray TestEnv::readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestEnv::writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

bool TestEnv::chinese(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'\u4E00' && c <= u'\u9FFF'; });
}

QByteArray TestEnv::pictureClaiming(const QByteArray &format, int side)
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

int TestEnv::count(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

bool TestEnv::drop(QWidget *target, const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(9, 9), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QDropEvent dropped(QPointF(9, 9), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    if (!QApplication::sendEvent(target, &enter) || !enter.isAccepted())
        return false;
    QApplication::sendEvent(target, &dropped);
    QCoreApplication::processEvents();
    return dropped.isAccepted();
}

FullDisk::FullDisk(const QString &folder, const QMap<QString, QByteArray> &files) : m_folder(folder)
{
    QDir().mkpath(folder);
    m_mounted = ::geteuid() == 0 && ::mount("tmpfs", QFile::encodeName(folder), "tmpfs", 0, "size=64k") == 0;
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        TestEnv::writeAll(folder + QLatin1Char('/') + it.key(), it.value());
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
        ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
    Files::simulateFullDisk(QString());
}

namespace {
struct Pending
{
    std::function<void(QWidget *)> handler;
    QStringList *texts;
};
QList<Pending> pending;

// Hands the active box to the next answer once; a box once answered is marked so that the next
// answer waits for a new one.
void answerNext()
{
    QWidget *box = QApplication::activeModalWidget();
    if (pending.isEmpty() || !box || box->property("answered").toBool())
        return;
    box->setProperty("answered", true);
    const Pending next = pending.takeFirst();
    if (auto *message = qobject_cast<QMessageBox *>(box); message && next.texts)
        *next.texts << message->text();
    else if (auto *input = qobject_cast<QInputDialog *>(box); input && next.texts)
        *next.texts << input->windowTitle();
    next.handler(box);
    if (auto *dialog = qobject_cast<QDialog *>(box); dialog && dialog->isVisible())
        dialog->reject();
}

void answer(std::function<void(QWidget *)> handler, QStringList *texts)
{
    pending.append({std::move(handler), texts});
    static QTimer *timer = nullptr;
    if (timer)
        return;
    timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, &answerNext);
    timer->start();
}
}

void Modal::clear()
{
    pending.clear();
}

void Modal::prompt(const QString &text, QStringList *titles)
{
    answer(
        [text](QWidget *box) {
            if (auto *input = qobject_cast<QInputDialog *>(box)) {
                input->setTextValue(text);
                input->accept();
            }
        },
        titles);
}

void Modal::press(const QString &buttonText, QStringList *texts)
{
    answer(
        [buttonText](QWidget *box) {
            for (QAbstractButton *button : box->findChildren<QAbstractButton *>())
                if (button->text() == buttonText)
                    return button->click();
        },
        texts);
}
