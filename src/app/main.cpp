// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"
#include "console.h"
#include "desktop.h"
#include "dialogs.h"
#include "fonts.h"
#include "form1.h"
#include "form2.h"
#include "qttranslations.h"
#include "sessionend.h"
#include "windowsystem.h"
#include "workfiles.h"

#include <QApplication>
#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    Desktop::identify();
    if (CommandLine::requested(argc, argv))
        return CommandLine::run(argc, argv);
    if (!WindowSystem::available(argc, argv)) {
        std::fputs("tessellon：打开窗口需要图形显示（没有 DISPLAY 或 WAYLAND_DISPLAY）；"
                   "没有显示时可用 tessellon --print 在命令行拼字，详见 tessellon --help。\n",
                   stderr);
        return 2;
    }

    QApplication app(argc, argv);
    QtTranslations::install();
    Fonts::install();
    if (const std::optional<QString> why = WorkFiles::problem()) {
        Dialogs::message(nullptr, *why, QStringLiteral("Tessellon加强版"), QMessageBox::Critical);
        return 1;
    }
    // The glyph text or the picture the program was started with.
    QStringList arguments = QCoreApplication::arguments().mid(1);
    QList<QByteArray> bytes = Console::fileArguments(argc, argv).mid(1);  // without Qt's own options
    if (arguments.value(0) == QLatin1String("--")) {
        arguments.removeFirst();
        bytes.removeFirst();
    }

    // The splash fills its bar, closes and is destroyed; then the main
    // window starts.
    auto splash = std::make_unique<Form2>();
    std::unique_ptr<Form1> mainWindow;
    bool ending = false;
    QObject::connect(
        splash.get(), &Form2::finished, &app,
        [&splash, &mainWindow, &arguments, &bytes, &ending] {
            splash.reset();
            if (ending)
                return;
            mainWindow = std::make_unique<Form1>();
            mainWindow->show();
            if (!arguments.isEmpty())
                mainWindow->openArgument(arguments.first(), arguments.size() == bytes.size() ? bytes.first() : QByteArray());
        },
        Qt::QueuedConnection);
    // A logout or a termination signal ends the program as closing the main
    // window does: the count is stored and the working files go. It ends
    // every event loop, the splash's and any open box's too: none may refuse.
    SessionEnd sessionEnd;
    QObject::connect(&sessionEnd, &SessionEnd::ending, &app, [&mainWindow, &ending] {
        ending = true;
        if (mainWindow)
            mainWindow->endSession();
        QCoreApplication::exit(0);
    });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, [&mainWindow] {
        if (mainWindow)
            mainWindow->close();
    });
    splash->Form_Load();
    return app.exec();
}
