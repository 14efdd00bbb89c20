// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturestyle.h"

namespace {
struct Named
{
    PictureStyle style;
    const char *name;
    const char *label;
};
const Named Styles[] = {
    {PictureStyle::Auto, "auto", "自动选择图片的拼法(&A)"},
    {PictureStyle::Outline, "outline", "线条图：边缘整齐(&O)"},
    {PictureStyle::Photo, "photo", "照片：以疏密表现明暗(&P)"},
};

const Named &named(PictureStyle style)
{
    for (const Named &n : Styles)
        if (n.style == style)
            return n;
    return Styles[0];
}
}

QString PictureStyles::name(PictureStyle style)
{
    return QString::fromUtf8(named(style).name);
}

QString PictureStyles::label(PictureStyle style)
{
    return QString::fromUtf8(named(style).label);
}

std::optional<PictureStyle> PictureStyles::fromName(const QString &name)
{
    for (const Named &n : Styles)
        if (name == QLatin1String(n.name))
            return n.style;
    return std::nullopt;
}

QStringList PictureStyles::names()
{
    QStringList list;
    for (const Named &n : Styles)
        list << QString::fromUtf8(n.name);
    return list;
}
