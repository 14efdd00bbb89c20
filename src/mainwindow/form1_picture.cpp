// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// A picture on the drawing pad: its cells decided in the way chosen in the
// pad's menu, shown as blocks, one step of the pad's history.
#include "form1.h"

#include "canvasview.h"
#include "dialogs.h"
#include "gridgeometry.h"
#include "padpicture.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

void Form1::setUpPictureActions()
{
    m_pictureStyles = new QActionGroup(Picture2);
    for (PictureStyle style : PictureStyles::All) {
        QAction *action = m_pictureStyles->addAction(PictureStyles::label(style));
        action->setCheckable(true);
        action->setChecked(style == PictureStyles::Default);
        action->setData(int(style));
        action->setObjectName(QStringLiteral("pictureStyle_") + PictureStyles::name(style));
    }
    m_invertPicture = new QAction(QStringLiteral("图片反相：浅色部分为笔画(&I)"), Picture2);
    m_invertPicture->setCheckable(true);
    m_invertPicture->setObjectName(QStringLiteral("invertPicture"));
    connect(m_pictureStyles, &QActionGroup::triggered, this, &Form1::PictureStyle_Changed);
    connect(m_invertPicture, &QAction::triggered, this, &Form1::PictureStyle_Changed);
}

void Form1::addPictureActions(QMenu &menu)
{
    menu.addSeparator();
    menu.addActions(m_pictureStyles->actions());
    menu.addAction(m_invertPicture);
}

void Form1::PictureStyle_Changed()
{
    // The picture on the pad, if there is one, is placed again the new way.
    if (!m_padHistory.cells().isEmpty() && !m_padPicture.native.isEmpty())
        placePicture(m_padPicture);
}

void Form1::placePicture(const Files::Entry &file)
{
    const auto style = PictureStyle(m_pictureStyles->checkedAction()->data().toInt());
    QString why;
    const PictureCells::Result picture =
        PadPicture::fromFile(file.native, GridGeometry().cells, style, m_invertPicture->isChecked(), &why);
    if (picture.ink.isEmpty()) {
        Dialogs::message(this,
                         QStringLiteral("无法把“%1”放到绘图区：%2").arg(QDir::toNativeSeparators(file.name), why),
                         QStringLiteral("错误提示"), QMessageBox::Warning);
        return;
    }
    if (Text2->isEnabled())
        Option4->click();
    m_padHistory.recordPicture(m_large.snapshot(), picture.ink);
    m_padPicture = file;
    restorePad(PadPicture::blocks(picture.ink, m_large.size()));
    Picture2->setFocus();
}
