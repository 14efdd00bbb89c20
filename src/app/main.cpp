// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"
#include "fonts.h"
#include "form1.h"
#include "form2.h"
#include "version.h"

#include <QApplication>
#include <memory>

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Tessellon"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSELLON_VERSION));
    if (CommandLine::requested(argc, argv))
        return CommandLine::run(argc, argv);

    QApplication app(argc, argv);
    Fonts::install();

    // The splash fills its bar, closes and is destroyed; then the main
    // window starts.
    auto splash = std::make_unique<Form2>();
    std::unique_ptr<Form1> mainWindow;
    QObject::connect(
        splash.get(), &Form2::finished, &app,
        [&splash, &mainWindow] {
            splash.reset();
            mainWindow = std::make_unique<Form1>();
            mainWindow->show();
        },
        Qt::QueuedConnection);
    splash->Form_Load();
    return app.exec();
}
