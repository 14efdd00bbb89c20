// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colorcodes.h"

#include <QRegularExpression>
#include <cmath>

namespace {
std::optional<double> number(const QString &answer)
{
    bool ok = false;
    const double value = answer.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}
}

QString ColorCodes::prompt()
{
    return QStringLiteral("请输入颜色代号：\r\n1.白色 2.红色 3.绿色 4.蓝色 5.黄色 6.紫色 7.兰色 8.黑色");
}

std::optional<QColor> ColorCodes::color(int code)
{
    static const QRgb table[] = {
        qRgb(255, 255, 255), qRgb(255, 0, 0),   qRgb(0, 255, 0), qRgb(0, 0, 255),
        qRgb(255, 255, 0),   qRgb(255, 0, 255), qRgb(0, 0, 255), qRgb(0, 0, 0),
    };
    if (code < 1 || code > 8)
        return std::nullopt;
    return QColor(table[code - 1]);
}

std::optional<int> ColorCodes::code(const QString &answer, Match match)
{
    const std::optional<double> value = number(answer);
    if (!value)
        return std::nullopt;
    const double whole = match == Match::Rounded ? std::nearbyint(*value) : *value;  // ties to even
    for (int code = 1; code <= 8; ++code) {
        if (whole == code)
            return code;
    }
    return std::nullopt;
}

QString ColorCodes::name(const QColor &color)
{
    // The names as the prompt lists them: "1.白色 2.红色 …".
    static const QStringList names = [] {
        QStringList all;
        static const QRegularExpression entry(QStringLiteral("(\\d)\\.(\\S+)"));
        for (const QRegularExpressionMatch &m : entry.globalMatch(prompt()))
            all << m.captured(2);
        return all;
    }();
    for (int code = 1; code <= names.size(); ++code)
        if (ColorCodes::color(code)->rgb() == color.rgb())
            return names[code - 1];
    return QStringLiteral("RGB(%1,%2,%3)").arg(color.red()).arg(color.green()).arg(color.blue());
}
