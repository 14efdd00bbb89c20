// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printoptions.h"

#include "artdefaults.h"
#include "celltext.h"
#include "colorcodes.h"
#include "files.h"
#include "helptext.h"
#include "picturearea.h"
#include "terminal.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QHash>

namespace {
PrintOptions usageError(const QString &message)
{
    PrintOptions options;
    options.action = PrintOptions::Action::UsageError;
    options.message = message;
    return options;
}

// The option's value as a whole number from low to high; otherwise *error says what it must be.
std::optional<int> wholeNumber(const QCommandLineParser &parser, const QCommandLineOption &option, int low, int high,
                               QString *error)
{
    const QString text = parser.value(option);
    bool ok = false;
    const int n = text.toInt(&ok);
    if (ok && n >= low && n <= high)
        return n;
    *error = QStringLiteral("--%1 须为 %2 到 %3 之间的整数，而不是“%4”。")
                 .arg(option.names().constLast())
                 .arg(low)
                 .arg(high)
                 .arg(text);
    return std::nullopt;
}

// The bytes that the command line gave for an option's value: a name that is
// not UTF-8 (GBK from an old disk) is read as another text, so its bytes are
// found again among the arguments, alone or after "--option=". Nothing when
// two different names read as the same text.
std::optional<QByteArray> fileName(const QString &value, const QList<QByteArray> &raw)
{
    std::optional<QByteArray> found;
    for (const QByteArray &argument : raw) {
        const qsizetype equals = argument.startsWith("--") ? argument.indexOf('=') : -1;
        for (const QByteArray &candidate : {argument, equals < 0 ? QByteArray() : argument.mid(equals + 1)}) {
            if (candidate.isEmpty() || QString::fromLocal8Bit(candidate) != value)
                continue;
            if (found && *found != candidate)
                return std::nullopt;
            found = candidate;
        }
    }
    return found ? found : std::optional<QByteArray>(Files::native(value));
}

// Whether the command line gave the text as UTF-8: a byte that is not reads
// as U+FFFD, which only an argument typed with that very character may hold.
bool typedAsUtf8(const QString &value, const QList<QByteArray> &raw)
{
    if (!value.contains(QChar::ReplacementCharacter) || raw.isEmpty())
        return true;
    for (const QByteArray &argument : raw) {
        const qsizetype equals = argument.startsWith("--") ? argument.indexOf('=') : -1;
        for (const QByteArray &candidate : {argument, argument.mid(equals + 1)})
            if (candidate.isValidUtf8() && QString::fromUtf8(candidate) == value)
                return true;
    }
    return false;
}

std::optional<int> colourCode(const QString &text)
{
    return ColorCodes::code(text, ColorCodes::Match::Exact);
}
}

PrintOptions PrintOptions::parse(const QStringList &arguments, const QList<QByteArray> &raw)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("把字或图片拼成由文字组成的图形，打印到标准输出。"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("显示本帮助"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("显示版本"));
    const QCommandLineOption listFonts(QStringLiteral("list-fonts"), QStringLiteral("列出已安装的字体，每行一个"));
    const QCommandLineOption print(QStringLiteral("print"), QStringLiteral("在命令行拼字，不打开窗口"));
    const QCommandLineOption font({QStringLiteral("f"), QStringLiteral("font")},
                                  QStringLiteral("拼字用的字体（默认：幼圆）"), QStringLiteral("字体"));
    const QCommandLineOption fg(QStringLiteral("fg"), QStringLiteral("有笔画的格子里的文字（默认：图形字本身）"),
                                QStringLiteral("文字"));
    const QCommandLineOption bg(QStringLiteral("bg"), QStringLiteral("其余格子里的文字（默认：%1；贴到聊天软件推荐全角空格“%2”）")
                                            .arg(ArtDefaults::Background, ArtDefaults::RecommendedBackground),
                                QStringLiteral("文字"));
    const QCommandLineOption noBold(QStringLiteral("no-bold"), QStringLiteral("不使用粗体"));
    const QCommandLineOption shrink(QStringLiteral("shrink"),
                                    QStringLiteral("把 80 磅的大字缩小后取样，如主窗口的“↓”"));
    const QCommandLineOption size(QStringLiteral("size"),
                                  QStringLiteral("拼成 N × N 格，N 为 %1 到 %2（默认：%3）")
                                      .arg(GridGeometry::MinCells)
                                      .arg(GridGeometry::MaxCells)
                                      .arg(GridGeometry::DefaultCells),
                                  QStringLiteral("N"));
    const QCommandLineOption crlf(QStringLiteral("crlf"), QStringLiteral("行尾用 CR LF（默认：LF）"));
    const QCommandLineOption fromPicture(QStringLiteral("from-picture"),
                                         QStringLiteral("拼一张图片而不是字：图片铺满 N × N 格，按每格的平均明暗定笔画"),
                                         QStringLiteral("文件"));
    const QCommandLineOption pictureStyle(QStringLiteral("picture-style"),
                                          QStringLiteral("图片的拼法：%1（默认：%2）；auto 按图片自选，outline 线条图"
                                                         "边缘整齐，photo 照片以疏密表现明暗")
                                              .arg(PictureStyles::names().join(QStringLiteral("、")),
                                                   PictureStyles::name(PictureStyles::Default)),
                                          QStringLiteral("拼法"));
    const QCommandLineOption invert(QStringLiteral("invert"), QStringLiteral("图片的浅色部分为笔画，深色部分为背景"));
    const QCommandLineOption picture(QStringLiteral("picture"),
                                     QStringLiteral("同时把拼出的文字印成图片，按扩展名存为 PNG 或 JPEG"),
                                     QStringLiteral("文件"));
    const QCommandLineOption colours({QStringLiteral("colours"), QStringLiteral("colors")},
                                     QStringLiteral("图片的背景色和文字颜色代号（默认：1,6）：%1")
                                         .arg(ColorCodes::prompt().section(QStringLiteral("\r\n"), 1)),
                                     QStringLiteral("背景色,文字色"));
    const QCommandLineOption check(QStringLiteral("check"),
                                   QStringLiteral("不拼字，列出前景字和背景字在终端和常用中文字体里的宽度；"
                                                  "在 --target 里排不齐时退出状态为 3"));
    const QCommandLineOption target(QStringLiteral("target"),
                                    QStringLiteral("--check 判定用的目标：terminal、terminal-wide 或字体名（默认：%1）")
                                        .arg(AlignmentCheck::defaultTarget()),
                                    QStringLiteral("目标"));
    const QCommandLineOption format(QStringLiteral("format"),
                                    QStringLiteral("输出格式：text 纯文本（默认）、html 网页、ansi 终端彩色、svg 矢量图"),
                                    QStringLiteral("格式"));
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   QStringLiteral("图片和 SVG 放大 N 倍，按该大小绘制，N 为 1 到 %1（默认：1）")
                                       .arg(PictureArea::MaxScale),
                                   QStringLiteral("N"));
    const QCommandLineOption join(QStringLiteral("join"), QStringLiteral("把各个字拼出的图形左右并排，连成一幅"));
    const QCommandLineOption gap(QStringLiteral("gap"),
                                 QStringLiteral("并排时每两幅之间空 N 格背景字，N 为 0 到 %1（默认：%2）")
                                     .arg(ArtGrid::MaxGap)
                                     .arg(ArtGrid::DefaultGap),
                                 QStringLiteral("N"));
    const QList<QCommandLineOption> all = {help,   version,     listFonts, print,   font,  fg,
                                           bg,     noBold,      shrink,    size,    crlf,  fromPicture,
                                           picture, colours,    check,     target,  format, scale,
                                           join,    gap,         pictureStyle, invert};
    parser.addOptions(all);
    const QPair<QString, QString> glyphsArgument{QStringLiteral("图形字"),
                                                 QStringLiteral("要拼的字，每个拼一幅；省略时从标准输入逐行读取")};
    const QString syntax = QStringLiteral("[图形字...]");
    parser.addPositionalArgument(glyphsArgument.first, glyphsArgument.second, syntax);

    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    PrintOptions options;
    if (parser.isSet(help)) {
        options.action = Action::Help;
        options.message = HelpText::format(syntax, parser.applicationDescription(), all, {glyphsArgument},
                                           Terminal::standardOutputColumns());
        return options;
    }
    if (parser.isSet(version)) {
        options.action = Action::Version;
        return options;
    }
    if (parser.isSet(listFonts)) {
        options.action = Action::ListFonts;
        return options;
    }
    if (!parser.isSet(print))
        return usageError(QStringLiteral("要在命令行拼字，请加上 --print。"));

    options.glyphs = parser.positionalArguments();
    if (parser.isSet(font))
        options.fontName = parser.value(font);
    for (const QCommandLineOption &cell : {fg, bg})
        if (parser.isSet(cell) && parser.value(cell).isEmpty())
            return usageError(QStringLiteral("--%1 的文字不能为空：空的格子会使各行长短不齐。").arg(cell.names().first()));
    if (parser.isSet(fg))
        options.foreground = parser.value(fg);
    if (parser.isSet(bg))
        options.background = parser.value(bg);
    // Refused before anything is composed, as the main window refuses its boxes' texts.
    using CellText::Box;
    QList<std::tuple<QString, Box, QString>> texts = {{options.background, Box::Background, QStringLiteral("--bg：")}};
    if (options.foreground)
        texts.append({*options.foreground, Box::Foreground, QStringLiteral("--fg：")});
    for (const QString &glyph : std::as_const(options.glyphs))
        texts.append({glyph, Box::Glyph, QString()});
    for (const auto &[text, box, option] : std::as_const(texts))
        if (const QString why = CellText::refusal(text, box); !why.isEmpty())
            return usageError(option + why);
    for (const auto &[text, box, option] : std::as_const(texts))
        if (!typedAsUtf8(text, raw))
            return usageError(QStringLiteral("%1“%2”不是 UTF-8 编码的文字。").arg(option.isEmpty() ? CellText::name(box) : option.chopped(1), text));
    for (const QCommandLineOption &named : {font, target})
        if (!typedAsUtf8(parser.value(named), raw))
            return usageError(QStringLiteral("--%1“%2”不是 UTF-8 编码的文字。").arg(named.names().constLast(), parser.value(named)));
    options.bold = !parser.isSet(noBold);
    options.shrink = parser.isSet(shrink);
    options.crlf = parser.isSet(crlf);
    if (parser.isSet(size)) {
        QString error;
        const std::optional<int> cells = wholeNumber(parser, size, GridGeometry::MinCells, GridGeometry::MaxCells, &error);
        if (!cells)
            return usageError(error);
        options.geometry.cells = *cells;
    }
    options.fromPicture = parser.value(fromPicture);
    if (parser.isSet(fromPicture) && options.fromPicture.isEmpty())
        return usageError(QStringLiteral("--from-picture 须给出图片的文件名。"));
    if (parser.isSet(fromPicture) && !options.glyphs.isEmpty())
        return usageError(QStringLiteral("--from-picture 与图形字只能任选其一。"));
    for (const QCommandLineOption *option : {&pictureStyle, &invert})
        if (parser.isSet(*option) && !parser.isSet(fromPicture))
            return usageError(QStringLiteral("--%1 须与 --from-picture 一起使用。").arg(option->names().constFirst()));
    if (parser.isSet(pictureStyle)) {
        const std::optional<PictureStyle> style = PictureStyles::fromName(parser.value(pictureStyle));
        if (!style)
            return usageError(QStringLiteral("--picture-style 须为 %1，而不是“%2”。")
                                  .arg(PictureStyles::names().join(QStringLiteral("、")), parser.value(pictureStyle)));
        options.pictureStyle = *style;
    }
    options.invert = parser.isSet(invert);

    if (parser.isSet(format)) {
        static const QHash<QString, Format> formats = {{QStringLiteral("text"), Format::Text},
                                                      {QStringLiteral("html"), Format::Html},
                                                      {QStringLiteral("ansi"), Format::Ansi},
                                                      {QStringLiteral("svg"), Format::Svg}};
        if (!formats.contains(parser.value(format)))
            return usageError(QStringLiteral("--format 须为 text、html、ansi 或 svg，而不是“%1”。").arg(parser.value(format)));
        options.format = formats.value(parser.value(format));
    }
    options.join = parser.isSet(join);
    if (parser.isSet(gap)) {
        if (!options.join)
            return usageError(QStringLiteral("--gap 须与 --join 一起使用。"));
        QString error;
        const std::optional<int> n = wholeNumber(parser, gap, 0, ArtGrid::MaxGap, &error);
        if (!n)
            return usageError(error);
        options.gap = *n;
    }

    options.picture = parser.value(picture);
    for (auto [value, file] : {std::pair{&options.fromPicture, &options.fromPictureFile},
                               std::pair{&options.picture, &options.pictureFile}}) {
        const std::optional<QByteArray> bytes = fileName(*value, raw);
        if (!bytes)
            return usageError(QStringLiteral("有几个文件名都读作“%1”（不是 UTF-8 编码），无法确定是哪一个。").arg(*value));
        *file = *bytes;
        *value = Files::shownName(*bytes);
    }
    if (parser.isSet(picture)) {
        const QString suffix = QFileInfo(options.picture).suffix().toLower();
        if (suffix == QLatin1String("png"))
            options.pictureFormat = "PNG";
        else if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
            options.pictureFormat = "JPEG";
        else
            return usageError(QStringLiteral("--picture 的文件名须以 .png、.jpg 或 .jpeg 结尾：“%1”。").arg(options.picture));
        if (options.glyphs.size() != 1 && options.fromPicture.isEmpty() && !options.join)
            return usageError(
                QStringLiteral("--picture 只能用于一幅图：请给出一个图形字、--from-picture，或用 --join 连成一幅。"));
    }
    if (parser.isSet(scale)) {
        if (!parser.isSet(picture) && options.format != Format::Svg)
            return usageError(QStringLiteral("--scale 须与 --picture 或 --format svg 一起使用。"));
        QString error;
        const std::optional<int> n = wholeNumber(parser, scale, 1, PictureArea::MaxScale, &error);
        if (!n)
            return usageError(error);
        options.scale = *n;
    }
    if (parser.isSet(colours)) {
        if (!parser.isSet(picture) && options.format == Format::Text)
            return usageError(QStringLiteral("--colours 须与 --picture 或 --format html、ansi、svg 一起使用。"));
        const QStringList codes = parser.value(colours).split(QLatin1Char(','));
        const std::optional<int> back = codes.size() == 2 ? colourCode(codes[0]) : std::nullopt;
        const std::optional<int> text = codes.size() == 2 ? colourCode(codes[1]) : std::nullopt;
        if (!back || !text)
            return usageError(QStringLiteral("--colours 须为两个 1 到 8 的颜色代号，用逗号隔开，而不是“%1”。")
                                  .arg(parser.value(colours)));
        options.backCode = *back;
        options.textCode = *text;
        options.coloursGiven = true;
    }
    options.check = parser.isSet(check);
    if (parser.isSet(target) && !options.check)
        return usageError(QStringLiteral("--target 须与 --check 一起使用。"));
    if (parser.isSet(target))
        options.target = parser.value(target);
    if (options.check && parser.isSet(picture))
        return usageError(QStringLiteral("--check 只检查宽度，不拼字，不能与 --picture 一起使用。"));
    return options;
}
