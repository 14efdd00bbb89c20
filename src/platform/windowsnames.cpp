// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowsnames.h"

#include <QRegularExpression>
#include <algorithm>
#include <QStringList>

namespace {
// The system's limits without long-path support: MAX_PATH counts the
// closing null, a name within it at most 255 UTF-16 units.
constexpr qsizetype MaxPath = 259;
constexpr qsizetype MaxName = 255;

bool reservedCharacter(QChar c)
{
    return c.unicode() < 0x20 || QStringView(u"<>:\"|?*").contains(c);
}

// CON, PRN, AUX, NUL, COM1-9 and LPT1-9 (and their superscript-digit
// forms) name devices in every folder, with or without an extension.
bool deviceName(const QString &name)
{
    static const QRegularExpression device(QStringLiteral("^(CON|PRN|AUX|NUL|(COM|LPT)[1-9\u00B9\u00B2\u00B3])$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QString stem = name.section(QLatin1Char('.'), 0, 0);
    return device.match(stem.trimmed()).hasMatch();
}
}

std::optional<QString> WindowsNames::refusal(const QString &path)
{
    if (path.isEmpty())
        return QStringLiteral("文件名是空的。");
    if (path.size() > MaxPath)
        return QStringLiteral("路径太长（Windows 最多 %1 个字符）。").arg(MaxPath);
    // The root ("C:/", "//server/share/") is the system's, not the user's.
    static const QRegularExpression root(QStringLiteral(R"(^([A-Za-z]:[/\\]?|[/\\]{2}[^/\\]+[/\\][^/\\]+[/\\]?|[/\\]))"));
    const QString rest = path.mid(root.match(path).capturedLength());
    for (const QString &name : rest.split(QRegularExpression(QStringLiteral(R"([/\\])")), Qt::SkipEmptyParts)) {
        if (name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        if (std::any_of(name.cbegin(), name.cend(), reservedCharacter))
            return QStringLiteral("“%1”含有 Windows 不允许用在文件名中的字符（< > : \" | ? * 或控制字符）。").arg(name);
        if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
            return QStringLiteral("“%1”以点或空格结尾，Windows 不允许这样的文件名。").arg(name);
        if (deviceName(name))
            return QStringLiteral("“%1”是 Windows 的设备名，不能用作文件名。").arg(name);
        if (name.size() > MaxName)
            return QStringLiteral("文件名太长（Windows 最多 %1 个字符）。").arg(MaxName);
    }
    return std::nullopt;
}
