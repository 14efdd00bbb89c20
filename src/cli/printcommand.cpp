// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printcommand.h"

#include "alignmentcheck.h"
#include "artdefaults.h"
#include "celltext.h"
#include "colorcodes.h"
#include "files.h"
#include "composer.h"
#include "console.h"
#include "imagefiles.h"
#include "outputcost.h"
#include "padpicture.h"
#include "picturearea.h"
#include "standardstreams.h"
#include "terminal.h"
#include "workfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QStringDecoder>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {
// More bytes than any text a box takes: UTF-8 spends at most three bytes on
// each UTF-16 unit.
constexpr qsizetype MaxLineBytes = 3 * qsizetype(CellText::MaxLength);

enum class Line { Read, TooLong, End };

// One line of the input without its line end. A line longer than any cell
// can use is refused as soon as it is: an endless one is never read to its end.
Line readLine(FILE *in, QByteArray *line)
{
    line->clear();
    int c;
    while ((c = std::getc(in)) != EOF) {
        if (c == '\n')
            break;
        if (line->size() > MaxLineBytes)  // one byte more: room for a CR before the LF
            return Line::TooLong;
        line->append(char(c));
    }
    if (line->endsWith('\r'))
        line->chop(1);
    if (line->size() > MaxLineBytes)
        return Line::TooLong;
    return c != EOF || !line->isEmpty() ? Line::Read : Line::End;
}

QString quoted(const QString &path)
{
    return QStringLiteral("“%1”").arg(QDir::toNativeSeparators(path));
}
}

PrintCommand::PrintCommand(const PrintOptions &options)
    : m_options(options), m_small(options.geometry.smallCanvas()), m_large(options.geometry.largeCanvas())
{
}

int PrintCommand::run(FILE *in, FILE *out, FILE *err)
{
    m_out = out;
    m_err = err;
    const int status = printAll(in);
    // A page begun is ended, whatever stopped the arts.
    if (m_options.format == PrintOptions::Format::Html && !m_first && !m_options.check && !m_outputLost
        && !writeOut(ArtExport::htmlEnd().replace(QLatin1Char('\n'), lineEnd())))
        return status == 0 ? m_failure : status;
    return status;
}

int PrintCommand::printAll(FILE *in)
{
    CompositionInput input;
    input.background = m_options.background;
    input.fontName = m_options.fontName;
    input.bold = m_options.bold;
    input.shrink = m_options.shrink;
    input.printLarge = false;

    if (!m_options.fromPicture.isEmpty()) {
        // The main window's foreground box starts with the glyph box's text.
        input.foreground = m_options.foreground.value_or(ArtDefaults::Glyph);
        input.textMode = false;
        QString why;
        const int cells = m_options.geometry.cells;
        input.pictureCells =
            PadPicture::fromFile(m_options.fromPictureFile, cells, m_options.pictureStyle, m_options.invert, &why).ink;
        if (input.pictureCells.isEmpty()) {
            fail(QStringLiteral("无法读取图片%1：%2").arg(quoted(m_options.fromPicture), why));
            return 1;
        }
        // The pad as the main window shows the picture.
        m_large.setBackgroundPicture(PadPicture::blocks(input.pictureCells, m_large.size()));
        return print(input) && finish() ? status() : m_failure;
    }

    auto printOne = [this, &input](const QString &glyph) {
        input.glyph = glyph;
        input.foreground = m_options.foreground.value_or(glyph);
        return print(input);
    };
    // Joined, every character of the text is an art of its own: 新年快乐 makes a banner of four.
    auto printGlyph = [this, &printOne](const QString &text) {
        if (!m_options.join)
            return printOne(text);
        QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
        for (qsizetype start = 0, end; (end = graphemes.toNextBoundary()) > 0; start = end)
            if (!printOne(text.mid(start, end - start)))
                return false;
        return true;
    };
    if (!m_options.glyphs.isEmpty()) {
        for (const QString &glyph : m_options.glyphs)
            if (!printGlyph(glyph))
                return m_failure;
        return finish() ? status() : m_failure;
    }
    QByteArray line;
    for (int number = 1;; ++number) {
        const Line read = readLine(in, &line);
        if (read == Line::End)
            break;
        if (read == Line::TooLong) {
            fail(QStringLiteral("标准输入的第 %1 行太长（超过 %2 字节），图形字最多 %3 个字符。")
                     .arg(number)
                     .arg(MaxLineBytes)
                     .arg(CellText::MaxLength));
            return 2;  // as a text too long for its box
        }
        std::optional<QString> decoded = StandardStreams::decodeLine(line);
        if (!decoded) {
            refuse(QStringLiteral("标准输入的第 %1 行不是 UTF-8 编码的文字。").arg(number));
            return m_failure;
        }
        QString glyph = *decoded;
        if (number == 1 && glyph.startsWith(QChar(0xFEFF)))
            glyph.remove(0, 1);
        if (const QString why = CellText::refusal(glyph, CellText::Box::Glyph); !why.isEmpty()) {
            fail(why);
            return 2;  // as the same text given as an argument
        }
        if (!printGlyph(glyph))
            return m_failure;
    }
    if (std::ferror(in)) {
        fail(QStringLiteral("无法读取标准输入：%1").arg(QString::fromLocal8Bit(std::strerror(errno))));
        return 1;
    }
    return finish() ? status() : m_failure;
}

bool PrintCommand::print(const CompositionInput &input)
{
    if (m_options.check)
        return checkAlignment(input);
    const Composer::Result result = Composer(m_small, m_large, m_options.geometry).run(input, nullptr, {}, {});
    if (result.failure == Composer::Failure::TooLarge)
        return refuse(QStringLiteral("前景字或背景字太长或太复杂，拼出的文字过大，请缩短后再试。"));
    if (result.failure != Composer::Failure::None)
        return fail(result.detail);
    const ArtGrid art(result.ink, input.foreground, input.background);
    if (!m_options.join) {
        if (!output(art))
            return false;
    } else {
        const int gap = m_joined.columnCount() > 0 ? m_options.gap : 0;
        if (m_joined.columnCount() + gap + art.columnCount() > ArtGrid::MaxColumns)
            return fail(QStringLiteral("要并排的字太多：连成一幅最多 %1 格宽，请分几次拼。").arg(ArtGrid::MaxColumns));
        m_joined.append(art, gap);
    }
    // Plain and coloured text are what a terminal shows in columns.
    if (m_options.format == PrintOptions::Format::Text || m_options.format == PrintOptions::Format::Ansi)
        warnOfMisalignment(input);
    return true;
}

QString PrintCommand::lineEnd() const
{
    return m_options.crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
}

// Weighed before anything is made: the output in its format, and the picture.
bool PrintCommand::affordable(const ArtGrid &art)
{
    static const QHash<PrintOptions::Format, OutputCost::Form> forms = {
        {PrintOptions::Format::Text, OutputCost::Form::Text},
        {PrintOptions::Format::Html, OutputCost::Form::Html},
        {PrintOptions::Format::Ansi, OutputCost::Form::Ansi},
        {PrintOptions::Format::Svg, OutputCost::Form::Svg}};
    // One SVG document holds every art: it is weighed as the arts add up.
    if (m_options.format == PrintOptions::Format::Svg) {
        if (!m_svgCost)
            m_svgCost.emplace(OutputCost::Form::Svg, m_options.scale);
        m_svgCost->add(art);
        if (const QString why = m_svgCost->refusal(); !why.isEmpty())
            return refuse(why);
    }
    QList<OutputCost> costs;
    if (m_options.format != PrintOptions::Format::Svg)
        costs.append(OutputCost(forms.value(m_options.format), m_options.scale));
    if (!m_options.picture.isEmpty())
        costs.append(OutputCost(OutputCost::Form::Picture, m_options.scale));
    for (OutputCost &cost : costs) {
        cost.add(art);
        if (const QString why = cost.refusal(); !why.isEmpty())
            return refuse(why);
    }
    return true;
}

bool PrintCommand::output(const ArtGrid &art)
{
    if (!affordable(art))
        return false;
    const QString lineEnd = this->lineEnd();
    const QString text = art.text(QStringLiteral("\r\n"));
    // One empty line between arts, but between the blocks of one page.
    QString out = m_first || m_options.format == PrintOptions::Format::Html ? QString() : lineEnd;
    switch (m_options.format) {
    case PrintOptions::Format::Text:
        out += art.text(lineEnd);
        break;
    case PrintOptions::Format::Ansi:
        out += ArtExport::ansi(art, colours(), lineEnd);
        break;
    case PrintOptions::Format::Html: {
        QString page = m_first ? ArtExport::htmlStart(QCoreApplication::applicationName()) : QString();
        page += ArtExport::htmlPre(text, m_options.coloursGiven ? std::optional(colours()) : std::nullopt);
        out += page.replace(QLatin1Char('\n'), lineEnd);
        break;
    }
    case PrintOptions::Format::Svg:
        // One document holds every art: it is written at the end.
        m_svgArts << text;
        out.clear();
        break;
    }
    m_first = false;
    return writeOut(out) && (m_options.picture.isEmpty() || writePicture(text));
}

bool PrintCommand::finish()
{
    if (m_options.join && m_joined.columnCount() > 0 && !output(m_joined))
        return false;
    if (m_options.format == PrintOptions::Format::Svg && !m_svgArts.isEmpty()) {
        const QString lineEnd = this->lineEnd();
        QString out = QString::fromUtf8(ArtExport::svg(m_svgArts, colours(), m_options.scale)).replace(QLatin1Char('\n'), lineEnd);
        if (!out.endsWith(lineEnd))
            out += lineEnd;
        return writeOut(out);
    }
    return true;
}

ArtExport::Colours PrintCommand::colours() const
{
    return {*ColorCodes::color(m_options.backCode), *ColorCodes::color(m_options.textCode)};
}

bool PrintCommand::writePicture(const QString &art)
{
    const QSize size = PictureArea::sizeFor(art, m_options.scale);
    if (qint64(size.width()) * size.height() > PictureArea::MaxPixels)
        return fail(QStringLiteral("图片%1会有 %2 × %3 像素，太大了：请减少字数、--size 或 --scale。")
                        .arg(quoted(m_options.picture))
                        .arg(size.width())
                        .arg(size.height()));
    // The windows delete their working files at exit: nothing else goes there.
    if (WorkFiles::isWorkFile(m_options.pictureFile))
        return fail(QStringLiteral("%1是本程序自己的工作文件，请换一个文件名或文件夹。").arg(quoted(m_options.picture)));
    const QImage picture = PictureArea::picture(art, colours().back, colours().text, m_options.scale);
    QString why;
    const QByteArray bytes = ImageFiles::encode(picture, m_options.pictureFormat.constData(),
                                                ArtDefaults::quality(m_options.pictureFormat), &why);
    if (bytes.isEmpty() || !Files::write(m_options.pictureFile, bytes, &why))
        return fail(QStringLiteral("无法写入图片%1：%2").arg(quoted(m_options.picture), why));
    return true;
}

// The table of every target (and of the one asked for), one per art.
bool PrintCommand::checkAlignment(const CompositionInput &input)
{
    const AlignmentCheck check(input.foreground, input.background);
    const AlignmentCheck::Target target = AlignmentCheck::target(m_options.target);
    const AlignmentCheck::Row row = check.check(target);
    if (!row.installed)
        return fail(QStringLiteral("字体“%1”没有安装，无法检查对齐；--target 可以是 terminal、terminal-wide "
                                   "或已安装的字体名。")
                        .arg(m_options.target));
    QList<AlignmentCheck::Target> targets = AlignmentCheck::targets();
    if (std::none_of(targets.cbegin(), targets.cend(), [&](const auto &t) { return t.name == target.name; }))
        targets << target;
    const QString text = (m_first ? QString() : QStringLiteral("\n")) + check.table(targets);
    m_first = false;
    if (!writeOut(text))
        return false;
    m_misaligned = m_misaligned || !row.aligned;
    return true;
}

// Once per run, when a terminal shows the art just printed skewed.
void PrintCommand::warnOfMisalignment(const CompositionInput &input)
{
    if (m_warned || !Terminal::isTerminal(m_out))
        return;
    const AlignmentCheck check(input.foreground, input.background);
    const AlignmentCheck::Row row = check.check(AlignmentCheck::target(AlignmentCheck::defaultTarget()));
    if (row.aligned)
        return;
    m_warned = true;
    QString message = QStringLiteral("注意：前景字“%1”占 %2 列，背景字“%3”占 %4 列，终端里的图形会歪斜")
                          .arg(input.foreground)
                          .arg(row.foreground)
                          .arg(input.background)
                          .arg(row.background);
    const QStringList background = check.backgroundFixes(row);
    const QStringList foreground = check.foregroundFixes(row);
    if (!background.isEmpty())
        message += QStringLiteral("；可改用 %1").arg(AlignmentCheck::option(QStringLiteral("bg"), background.first()));
    else if (!foreground.isEmpty())
        message += QStringLiteral("；可改用 %1").arg(AlignmentCheck::option(QStringLiteral("fg"), foreground.first()));
    say(message + QStringLiteral("。"));
}

bool PrintCommand::writeOut(const QString &text)
{
    QString why;
    if (StandardStreams::write(m_out, text, &why))
        return true;
    m_outputLost = true;
    return fail(QStringLiteral("无法写出到标准输出：%1").arg(why));
}

bool PrintCommand::fail(const QString &message)
{
    say(message);
    return false;
}

bool PrintCommand::refuse(const QString &message)
{
    m_failure = 2;
    return fail(message);
}

void PrintCommand::say(const QString &message)
{
    Console::write(m_err, QStringLiteral("tessellon：%1\n").arg(message));
}
