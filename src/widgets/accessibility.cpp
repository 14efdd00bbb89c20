// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QShortcut>

namespace {
// Keeps a control's own description while an announcement stands in for it,
// and puts it back when the focus leaves the control.
class Announcement : public QObject
{
public:
    static constexpr const char *Name = "announcement";

    explicit Announcement(QWidget *target) : QObject(target), m_target(target), m_own(target->accessibleDescription())
    {
        setObjectName(QLatin1String(Name));
        target->installEventFilter(this);
    }
    void say(const QString &text)
    {
        // The same words again are news again: a change is what is reported.
        if (m_target->accessibleDescription() == text)
            m_target->setAccessibleDescription(QString());
        m_target->setAccessibleDescription(text);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_target && event->type() == QEvent::FocusOut) {
            m_target->removeEventFilter(this);
            m_target->setAccessibleDescription(m_own);
            setObjectName(QString());  // the next announcement starts afresh
            deleteLater();
        }
        return false;
    }

private:
    QWidget *m_target;
    QString m_own;
};

// A left click in the middle of the widget, as the mouse gives it.
void click(QWidget *widget)
{
    const QPointF centre = QRectF(widget->rect()).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }
}

constexpr const char *PictureButtonProperty = "pictureButton";

class PictureButton : public QAccessibleWidget
{
public:
    explicit PictureButton(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Button) {}
    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            click(widget());
        else
            QAccessibleWidget::doAction(action);
    }
};

// Clicks a picture button for Space and Enter.
class PictureButtonKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        click(static_cast<QWidget *>(watched));
        return true;
    }
};

// Canvases are drawings to a screen reader, picture buttons buttons; the
// rest is Qt's own.
QAccessibleInterface *roles(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("CanvasView"))
        return new QAccessibleWidget(widget, QAccessible::Canvas);
    if (className == QLatin1String("QLabel") && widget->property(PictureButtonProperty).toBool())
        return new PictureButton(widget);
    return nullptr;
}

// Before the first control is named, so its interface is made with the role.
void installRoles()
{
    static const bool installed = (QAccessible::installFactory(roles), true);
    Q_UNUSED(installed);
}
}

QString Accessibility::spoken(const QString &caption)
{
    static const QRegularExpression accessKey(QStringLiteral("\\(&(.)\\)|&(?=.)"));
    static const QRegularExpression pointers(QStringLiteral("[—―→：:…\\s]+$"));
    QString words = caption;
    words.remove(accessKey);
    return words.remove(pointers);
}

void Accessibility::label(QLabel *label, QWidget *box)
{
    label->setBuddy(box);
    box->setAccessibleName(spoken(label->text()));
    // An editable list's text field is a control of its own.
    if (auto *list = qobject_cast<QComboBox *>(box); list && list->lineEdit())
        list->lineEdit()->setAccessibleName(box->accessibleName());
}

void Accessibility::name(QWidget *control, const QString &name, const QString &description)
{
    installRoles();
    control->setAccessibleName(name);
    if (!description.isEmpty())
        control->setAccessibleDescription(description);
}

void Accessibility::pictureButton(QLabel *picture)
{
    installRoles();
    picture->setProperty(PictureButtonProperty, true);
    picture->setFocusPolicy(Qt::TabFocus);
    picture->installEventFilter(new PictureButtonKeys(picture));
}

void Accessibility::announce(QWidget *window, const QString &text)
{
    QWidget *target = QApplication::focusWidget();
    if (!target || target->window() != window->window())
        target = window;
    auto *announcement = static_cast<Announcement *>(
        target->findChild<QObject *>(QLatin1String(Announcement::Name), Qt::FindDirectChildrenOnly));
    if (!announcement)
        announcement = new Announcement(target);
    announcement->say(text);
}

void Accessibility::closeOnEscape(QWidget *window)
{
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}
