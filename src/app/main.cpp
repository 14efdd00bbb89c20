// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts.h"
#include "form1.h"
#include "form2.h"
#include "version.h"

#include <QApplication>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessellon"));
    QApplication::setApplicationVersion(QStringLiteral(TESSELLON_VERSION));
    Fonts::install();

    std::unique_ptr<Form1> mainWindow;
    Form2::start([&mainWindow] {
        mainWindow = std::make_unique<Form1>();
        mainWindow->show();
    });
    return app.exec();
}
