// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appicon.h"

QIcon AppIcon::icon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPixmap AppIcon::picture48()
{
    return QPixmap(QStringLiteral(":/icon-48.png"));
}

QPixmap AppIcon::star()
{
    return QPixmap(QStringLiteral(":/star.png"));
}
