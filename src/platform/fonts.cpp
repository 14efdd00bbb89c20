#include "fonts.h"

#include <QApplication>

void Fonts::install()
{
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("WenQuanYi Zen Hei Mono"));
    QFont::insertSubstitution(QStringLiteral("幼圆"), QStringLiteral("WenQuanYi Zen Hei"));
    QFont::insertSubstitution(QStringLiteral("楷体_GB2312"), QStringLiteral("AR PL UKai CN"));
    QApplication::setFont(defaultFont());
}

QFont Fonts::defaultFont()
{
    return QFont(QStringLiteral("宋体"), 9);
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
