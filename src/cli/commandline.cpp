// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

#include "console.h"
#include "fontchoice.h"
#include "fonts.h"
#include "printcommand.h"
#include "printoptions.h"
#include "qttranslations.h"
#include "standardstreams.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstring>

namespace {
// Qt's own options, which the windows take (with one dash or two).
bool windowSystemOption(const char *arg)
{
    static const char *const names[] = {
        "platform", "platformpluginpath", "platformtheme", "plugin", "display", "geometry", "qwindowgeometry",
        "title", "qwindowtitle", "icon", "qwindowicon", "reverse", "session", "style", "stylesheet",
        "widgetcount", "qmljsdebugger", "name", "visual", "ncols", "cmap", "nograb", "dograb", "sync",
    };
    arg += arg[1] == '-' ? 2 : 1;
    const size_t length = std::strcspn(arg, "=");
    for (const char *name : names)
        if (std::strlen(name) == length && std::strncmp(arg, name, length) == 0)
            return true;
    return false;
}

// Qt's own notices (a missing runtime folder and the like) would mix with
// the program's messages; only its critical ones get through.
void criticalOnly(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(type, context, message)));
}

// What the program has to say on standard output: 0, or 1 when it could not.
int answer(const QString &text)
{
    QString why;
    if (StandardStreams::write(stdout, text, &why))
        return 0;
    Console::write(stderr, QStringLiteral("tessellon：无法写出到标准输出：%1\n").arg(why));
    return 1;
}
}

bool CommandLine::requested(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (std::strcmp(arg, "--") == 0)
            break;
        if (arg[0] == '-' && arg[1] != '\0' && !windowSystemOption(arg))
            return true;
    }
    return false;
}

int CommandLine::run(int argc, char *argv[])
{
    const StandardStreams::Closed closed = StandardStreams::guard();
    const QStringList arguments = Console::arguments(argc, argv);
    Console::useUtf8();
    const QList<QByteArray> raw = Console::fileArguments(argc, argv);

    qInstallMessageHandler(criticalOnly);
    // Qt sees none of the arguments, and draws off screen: no display needed.
    char platform[] = "-platform";
    QByteArray drawing(Console::drawingPlatform());
    char *qtArgv[] = {argv[0], platform, drawing.data(), nullptr};
    int qtArgc = 3;
    QGuiApplication app(qtArgc, qtArgv);
    QtTranslations::install();

    const PrintOptions options = PrintOptions::parse(arguments, raw);
    if (closed.output && options.action != PrintOptions::Action::UsageError) {
        Console::write(stderr, QStringLiteral("tessellon：标准输出已关闭，无处可写。\n"));
        return 1;
    }
    switch (options.action) {
    case PrintOptions::Action::Help:
        return answer(options.message);
    case PrintOptions::Action::Version:
        return answer(QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                    QCoreApplication::applicationVersion()));
    case PrintOptions::Action::ListFonts:
        return answer(Fonts::listed().join(QLatin1Char('\n')) + QLatin1Char('\n'));
    case PrintOptions::Action::UsageError:
        Console::write(stderr, QStringLiteral("tessellon：%1用 --help 查看用法。\n").arg(options.message));
        return 2;
    case PrintOptions::Action::Print:
        break;
    }
    if (closed.input && options.glyphs.isEmpty() && options.fromPicture.isEmpty()) {
        Console::write(stderr, QStringLiteral("tessellon：标准输入已关闭：请在命令行上给出图形字。\n"));
        return 1;
    }
    Fonts::install();
    if (!FontChoice::known(options.fontName)) {
        Console::write(stderr, QStringLiteral("tessellon：没有安装字体“%1”。最接近的已安装字体：%2。用 --list-fonts 列出全部字体。\n")
                          .arg(options.fontName, FontChoice::closest(options.fontName).join(QStringLiteral("、"))));
        return 1;
    }
    return PrintCommand(options).run(stdin, stdout, stderr);
}
