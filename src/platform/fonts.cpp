// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts.h"

#include <QGuiApplication>
#include <QFontDatabase>
#include <QFontInfo>

namespace {
// A designed family, the names it goes by where it is installed (Windows
// lists it under its English name outside Chinese systems), and the free
// font with the same metrics that stands in where it is missing.
struct Designed
{
    QString family;
    QStringList otherNames;
    QString standIn;
};

// The family as the font database lists it: Windows lists a Chinese font
// under its Chinese name on a Chinese system and knows the English one only
// as an alias, which a substitution does not follow.
QString listedName(const QString &family)
{
    return QFontDatabase::hasFamily(family) ? QFontInfo(QFont(family)).family() : family;
}

void substitute(const Designed &font)
{
    if (QFontDatabase::hasFamily(font.family))
        return;
    for (const QString &name : font.otherNames)
        if (QFontDatabase::hasFamily(name))
            return QFont::insertSubstitution(font.family, listedName(name));
    QFont::insertSubstitution(font.family, listedName(font.standIn));
}


// The art's default font first.
const QList<Designed> &designedFonts()
{
    static const QList<Designed> fonts = {
        {QStringLiteral("幼圆"), {QStringLiteral("YouYuan")}, QStringLiteral("WenQuanYi Zen Hei")},
        {QStringLiteral("宋体"), {QStringLiteral("SimSun")}, QStringLiteral("WenQuanYi Zen Hei Mono")},
        {QStringLiteral("楷体_GB2312"), {QStringLiteral("KaiTi_GB2312"), QStringLiteral("KaiTi"), QStringLiteral("楷体")},
         QStringLiteral("AR PL UKai CN")},
    };
    return fonts;
}
}

QStringList Fonts::designedFamilies()
{
    QStringList families;
    for (const Designed &font : designedFonts())
        families << font.family;
    return families;
}

QStringList Fonts::listed()
{
    QStringList families = designedFamilies();
    for (const QString &family : QFontDatabase::families())
        if (!families.contains(family))
            families << family;
    return families;
}

QString Fonts::installPlace()
{
#ifdef Q_OS_WIN
    return QStringLiteral("％windir％\\Windows\\Fonts");
#else
    return QStringLiteral("~/.local/share/fonts 文件夹，再运行 fc-cache 命令");
#endif
}

void Fonts::install()
{
    for (const Designed &font : designedFonts())
        substitute(font);
    QGuiApplication::setFont(defaultFont());
    // Read the font list once, up front: the main window lists every family,
    // and resolving the first window's fonts is quicker with it in hand.
    QFontDatabase::families();
}

QFont Fonts::designed(const QString &family, qreal points, bool bold)
{
    QFont font(family);
    font.setPixelSize(qRound(points * 96 / 72));
    font.setBold(bold);
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

QFont Fonts::defaultFont()
{
    return designed(QStringLiteral("宋体"), 9);
}

QFont Fonts::kaiti(qreal pointSize, bool bold)
{
    return designed(QStringLiteral("楷体_GB2312"), pointSize, bold);
}

QFont Fonts::canvasFont(const QString &family, qreal pointSize, bool bold)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont Fonts::pictureFont(int pixels)
{
    QFont font(defaultFont().family());
    font.setPixelSize(pixels);
    // Widened to fill its cell: glyphs that touch their neighbours keep
    // their strokes clearer than narrower ones with a gap between them.
    font.setStretch(PictureCellWidth * 100 / PictureFontPixels);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QStringList Fonts::artFamilies()
{
    QStringList names{QFontInfo(pictureFont()).family()};
    const QStringList known{QStringLiteral("NSimSun"), QStringLiteral("SimSun"),
                            QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("WenQuanYi Zen Hei Mono"),
                            QStringLiteral("Droid Sans Fallback")};
    for (const QString &name : known)
        if (QFontDatabase::hasFamily(name))
            names << listedName(name);
    names << known;
    names.removeDuplicates();
    return names;
}
