// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "artexport.h"

#include "artgrid.h"
#include "picturearea.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QStringList>
#include <QXmlStreamWriter>

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

QString cssColour(const QColor &colour)
{
    return colour.name(QColor::HexRgb);
}

QString sgr(const QColor &colour)
{
    return QStringLiteral("\x1b[38;2;%1;%2;%3m").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}
}

QString ArtExport::fontFamilies()
{
    static const QString families = [] {
        QStringList quoted;
        for (const char *family : {"NSimSun", "SimSun", "WenQuanYi Zen Hei Mono", "Noto Sans Mono CJK SC"})
            quoted << QStringLiteral("'%1'").arg(QLatin1String(family));
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
    return start + QStringLiteral("</head>\n<body>\n");
}

QString ArtExport::htmlPre(const QString &art, const std::optional<Colours> &colours)
{
    QString style = QStringLiteral("font-family:%1;line-height:1").arg(fontFamilies());
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

QByteArray ArtExport::svg(const QString &art, const Colours &colours, int scale)
{
    const Canvas area = PictureArea::canvasFor(art);
    const QFontMetrics metrics(area.font(), &area.image());
    const QFontMetricsF exact(area.font(), &area.image());
    const QFont &font = area.font();
    const qreal pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * area.image().logicalDpiY() / 72.0;
    const auto number = [](qreal value) { return QString::number(value, 'g', 6); };

    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeStartElement(QStringLiteral("svg"));
    const QSize size = area.size();
    xml.writeAttribute(QStringLiteral("width"), QString::number(size.width() * scale));
    xml.writeAttribute(QStringLiteral("height"), QString::number(size.height() * scale));
    xml.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("0 0 %1 %2").arg(size.width()).arg(size.height()));

    xml.writeEmptyElement(QStringLiteral("rect"));
    xml.writeAttribute(QStringLiteral("width"), QString::number(size.width()));
    xml.writeAttribute(QStringLiteral("height"), QString::number(size.height()));
    xml.writeAttribute(QStringLiteral("fill"), cssColour(colours.back));

    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("fill"), cssColour(colours.text));
    xml.writeAttribute(QStringLiteral("font-family"), fontFamilies());
    xml.writeAttribute(QStringLiteral("font-size"), number(pixels));
    xml.writeAttribute(QStringLiteral("style"), QStringLiteral("white-space:pre"));
    xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
    const QStringList rows = lines(art);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QString row = xmlSafe(rows[r]);
        xml.writeStartElement(QStringLiteral("text"));
        xml.writeAttribute(QStringLiteral("x"), QStringLiteral("0"));
        xml.writeAttribute(QStringLiteral("y"), QString::number(int(r) * area.linePitch() + metrics.ascent()));
        // Every row as wide as printed, its glyphs widened as the print widens
        // them, and as wide in a viewer with other fonts.
        const qreal width = exact.horizontalAdvance(row);
        if (width > 0) {
            xml.writeAttribute(QStringLiteral("textLength"), number(width));
            xml.writeAttribute(QStringLiteral("lengthAdjust"), QStringLiteral("spacingAndGlyphs"));
        }
        xml.writeCharacters(row);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return bytes;
}

QString ArtExport::ansi(const ArtGrid &art, const Colours &colours, QStringView lineEnd)
{
    const QString inkColour = sgr(colours.text), otherColour = sgr(colours.back);
    QString text;
    for (int r = 0; r < art.rowCount(); ++r) {
        std::optional<bool> current;
        art.forEachCell(r, [&](const QString &cell, bool ink) {
            if (current != ink)
                text += ink ? inkColour : otherColour;
            current = ink;
            text += cell;
        });
        text += QStringLiteral("\x1b[0m");
        text += lineEnd;
    }
    return text;
}
