// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QSocketNotifier;

// The end of the session as the system announces it: a termination, hang-up
// or interrupt signal (a logout, `kill`, Ctrl+C) or the desktop's session manager asking
// the program to save its data. Each announcement arrives as ending() in the
// event loop, where the program ends as if its window were closed.
class SessionEnd : public QObject
{
    Q_OBJECT
public:
    explicit SessionEnd(QObject *parent = nullptr);
    ~SessionEnd() override;

signals:
    void ending();

private:
    void signalled();

    QSocketNotifier *m_notifier = nullptr;
};
