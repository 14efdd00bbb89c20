// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testenv.h"

#include <QAbstractButton>
#include <QDropEvent>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>

TestEnv::~TestEnv()
{
    Modal::clear();
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
