// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "artexport.h"

#include "artgrid.h"
#include "displaywidth.h"
#include "fonts.h"
#include "picturearea.h"

#include <QFontMetrics>
#include <QStringList>

namespace {
// The art's lines without their line ends.
QStringList lines(const QString &art)
{
    QStringList rows = art.split(QStringLiteral("\r\n"));
    if (art.endsWith(QStringLiteral("\r\n")))
        rows.removeLast();
    return rows;
}

// Characters that XML cannot carry become U+FFFD, so the document stays well formed.
QString xmlSafe(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        const char16_t c = text[i].unicode();
        if ((c < 0x20 && c != u'\t' && c != u'\n') || text[i].isSurrogate() || c == 0xFFFE || c == 0xFFFF)
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

// The art's text size and a fixed line height, on the page and in the style sheet.
QString sizes()
{
    return QStringLiteral("font-size:%1px;line-height:%2px").arg(ArtExport::HtmlFontPixels).arg(ArtExport::HtmlLinePixels);
}

QString cssColour(const QColor &colour)
{
    return colour.name(QColor::HexRgb);
}

// Both colours, so the terminal's own theme shows nowhere in the art.
QString sgr(const QColor &text, const QColor &back)
{
    return QStringLiteral("\x1b[38;2;%1;%2;%3;48;2;%4;%5;%6m")
        .arg(text.red())
        .arg(text.green())
        .arg(text.blue())
        .arg(back.red())
        .arg(back.green())
        .arg(back.blue());
}
}

QString ArtExport::fontFamilies()
{
    // Asking the font database is slow, and its answer holds for the run.
    static const QString families = [] {
        QStringList quoted;
        for (const QString &family : Fonts::artFamilies())
            quoted << QStringLiteral("'%1'").arg(family);
        return quoted.join(QLatin1Char(',')) + QStringLiteral(",monospace");
    }();
    return families;
}

QString ArtExport::htmlStart(const QString &title)
{
    QString start = QStringLiteral("<!DOCTYPE html>\n"
                                   "<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"zh-CN\" xml:lang=\"zh-CN\">\n"
                                   "<head>\n<meta charset=\"utf-8\"/>\n");
    if (!title.isEmpty())
        start += QStringLiteral("<title>%1</title>\n").arg(xmlSafe(title).toHtmlEscaped());
    // Word processors take one font for the whole art from the style sheet,
    // ASCII and symbols too, where an inline list would give them a Latin
    // font for some characters: the first family, which is installed. Word
    // reads its own names for the ASCII and East Asian fonts.
    const QString family = Fonts::artFamilies().constFirst();
    start += QStringLiteral("<style>pre{font-family:'%1';mso-ascii-font-family:'%1';mso-hansi-font-family:'%1';"
                            "mso-fareast-font-family:'%1';%2}</style>\n")
                 .arg(family, sizes());
    return start + QStringLiteral("</head>\n<body>\n");
}

QString ArtExport::htmlPre(const QString &art, const std::optional<Colours> &colours)
{
    QString style = QStringLiteral("font-family:%1;%2").arg(fontFamilies(), sizes());
    if (colours)
        style += QStringLiteral(";width:max-content;background-color:%1;color:%2")
                     .arg(cssColour(colours->back), cssColour(colours->text));
    const QString text = lines(art).join(QLatin1Char('\n'));
    return QStringLiteral("<pre style=\"%1\">%2</pre>\n").arg(style, xmlSafe(text).toHtmlEscaped());
}

QString ArtExport::htmlEnd()
{
    return QStringLiteral("</body>\n</html>\n");
}

QString ArtExport::htmlPage(const QString &art)
{
    return htmlStart() + htmlPre(art) + htmlEnd();
}

QByteArray ArtExport::svg(const QStringList &arts, const Colours &colours, int scale)
{
    QList<PictureArea::Layout> layouts;
    QSize whole(0, 0);
    for (const QString &art : arts) {
        layouts << PictureArea::layoutFor(art, scale);
        whole = QSize(qMax(whole.width(), layouts.last().size.width()), whole.height() + layouts.last().size.height());
    }
    const auto number = [](qreal value) { return QString::number(value, 'g', 8); };
    const QString families = fontFamilies().toHtmlEscaped();

    // Written as text: a document of many thousand placed characters is made
    // in one pass, without an element object for each.
    QString out = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\">\n"
                                 "    <rect width=\"%1\" height=\"%2\" fill=\"%3\"/>\n")
                      .arg(whole.width())
                      .arg(whole.height())
                      .arg(cssColour(colours.back));

    // Every character centred in its cell, as the picture prints it: a
    // reader's own advances and kerning never move a column.
    int top = 0;
    for (qsizetype i = 0; i < arts.size(); ++i) {
        const PictureArea::Layout &layout = layouts[i];
        const QFont font = Fonts::pictureFont(layout.fontPixels);
        const int ascent = QFontMetrics(font, &Canvas(QSize(1, 1), 1, 1).image()).ascent();
        // Widened as the picture's font is.
        const qreal stretch = font.stretch() > 0 ? font.stretch() / 100.0 : 1.0;
        out += QStringLiteral("    <g transform=\"scale(%1 1)\" fill=\"%2\" font-family=\"%3\" font-size=\"%4\" "
                              "text-anchor=\"middle\">\n")
                   .arg(number(stretch), cssColour(colours.text), families)
                   .arg(layout.fontPixels);
        const QStringList rows = lines(arts[i]);
        for (qsizetype r = 0; r < rows.size(); ++r) {
            const QString y = QString::number(top + int(r) * layout.linePitch + ascent);
            int halfCells = 0;
            DisplayWidth::forEachGrapheme(rows[r], [&](QStringView grapheme, int columns) {
                const qreal centre = (2 * halfCells + columns) * layout.cellWidth / 4.0;
                halfCells += columns;
                if (grapheme.size() == 1 && grapheme.front().isSpace())
                    return;
                out += u"        <text x=\"";
                out += number(centre / stretch);
                out += u"\" y=\"";
                out += y;
                out += u"\">";
                out += xmlSafe(grapheme.toString()).toHtmlEscaped();
                out += u"</text>\n";
            });
        }
        out += u"    </g>\n";
        top += layout.size.height();
    }
    out += u"</svg>\n";
    return out.toUtf8();
}

QString ArtExport::ansi(const ArtGrid &art, const Colours &colours, QStringView lineEnd)
{
    const QString colour = sgr(colours.text, colours.back);
    QString text;
    for (int r = 0; r < art.rowCount(); ++r) {
        text += colour;
        art.forEachCell(r, [&text](const QString &cell, bool) { text += cell; });
        text += QStringLiteral("\x1b[0m");
        text += lineEnd;
    }
    return text;
}
