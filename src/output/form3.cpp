// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form3.h"

#include "accessibility.h"
#include "artdefaults.h"
#include "artexport.h"
#include "artsource.h"
#include "canvasview.h"
#include "colorcodes.h"
#include "desktop.h"
#include "dialogs.h"
#include "imagefiles.h"
#include "outputwindows.h"
#include "picturearea.h"
#include "scaffold.h"

#include <QAction>
#include <QDir>
#include <QPushButton>

Form3::Form3(OutputWindows &windows)
    : m_windows(windows), m_area(PictureArea::canvas())
{
    setAttribute(Qt::WA_DeleteOnClose);
    Scaffold::setUp(this, "Form3", QStringLiteral("处理为图像"), Scaffold::Frame::Fixed, QSize(3990, 4200));

    m_area.setColors(palette().color(QPalette::Button), palette().color(QPalette::ButtonText));

    Picture1 = Scaffold::place<CanvasView>(this, "Picture1", twips(0, 0, 3975, 3615), CanvasView::Border::Sunken);
    Picture1->setCanvas(&m_area);
    Accessibility::name(Picture1, QStringLiteral("拼出的文字的图片"));
    describePicture();

    struct ButtonDesign { QPushButton **button; const char *name; int left; QString caption, tip; };
    const ButtonDesign buttons[] = {
        {&Command1, "Command1", 2040, QStringLiteral("保存(&S)"), QStringLiteral("保存为jpg格式的图片")},
        {&Command2, "Command2", 120, QStringLiteral("设置(&O)"), QStringLiteral("设置背景颜色和文字颜色，用以生成图片")},
        {&Command4, "Command4", 3000, QStringLiteral("退出(&E)"), QStringLiteral("退出本模块")},
        {&Command3, "Command3", 1080, QStringLiteral("图片(&P)"), QStringLiteral("以图片作为拼出文字的背景")},
    };
    for (const ButtonDesign &b : buttons) {
        *b.button = Scaffold::button(this, b.name, twips(b.left, 3720, 855, 375), b.caption);
        (*b.button)->setToolTip(b.tip);
    }
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command4);
    setTabOrder(Command4, Command3);

    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form3::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form3::Command4_Click);

    // A drop is taken up once the drag has finished: the file manager is not
    // kept waiting while the colour question is open.
    Picture1->setAcceptDrops(true);
    connect(Picture1, &CanvasView::filesDropped, this, &Form3::Picture1_FilesDropped, Qt::QueuedConnection);

    auto *copyAct = new QAction(QStringLiteral("复制图片(&C)"), this);
    copyAct->setShortcuts(QKeySequence::Copy);
    copyAct->setStatusTip(QStringLiteral("把图片复制到剪贴板，可以粘贴到聊天窗口或图片编辑程序中"));
    connect(copyAct, &QAction::triggered, this, &Form3::copyPicture);
    auto *saveAct = new QAction(QStringLiteral("保存图片(&S)…"), this);
    saveAct->setShortcuts(QKeySequence::Save);
    saveAct->setStatusTip(QStringLiteral("把图片保存为文件"));
    connect(saveAct, &QAction::triggered, this, &Form3::Command1_Click);
    auto *svgAct = new QAction(QStringLiteral("保存为 SVG(&V)…"), this);
    svgAct->setStatusTip(QStringLiteral("把拼出的文字按所选颜色保存为可任意缩放的 SVG 图像"));
    connect(svgAct, &QAction::triggered, this, [this] { m_windows.showSaveSvg(); });
    addActions({copyAct, saveAct});  // their keys work anywhere in the window
    Picture1->addActions({copyAct, saveAct, svgAct});
    Picture1->setContextMenuPolicy(Qt::ActionsContextMenu);
    Accessibility::closeOnEscape(this);

    Scaffold::centre(this);
}

void Form3::combine(const QImage &picture, std::optional<QColor> textColor)
{
    m_area.setBackgroundPicture(picture);
    m_area.stretchCopy(picture);
    if (textColor)
        m_area.setForeColor(*textColor);
    m_area.printText(m_windows.source().art());
    m_area.flatten();
    describePicture();
}

void Form3::describePicture()
{
    QString description = QStringLiteral("%1字，%2底，%3×%4 像素")
                              .arg(ColorCodes::name(m_area.foreColor()), ColorCodes::name(m_area.backColor()))
                              .arg(m_area.size().width())
                              .arg(m_area.size().height());
    if (!m_area.backgroundPicture().isNull())
        description += QStringLiteral("，衬着一张图片");
    Picture1->setAccessibleDescription(description);
}

QImage Form3::loadPicture(QWidget *parent, const QList<Files::Entry> &files)
{
    QString firstError;
    for (const Files::Entry &file : files) {
        QString why;
        // Decoded straight to the size it is drawn at: a large photo stays cheap.
        const QImage picture = ImageFiles::load(file.native, &why, PictureArea::Size);
        if (!picture.isNull())
            return picture;
        if (firstError.isEmpty())
            firstError = QStringLiteral("无法打开图片“%1”：%2").arg(QDir::toNativeSeparators(file.name), why);
    }
    Dialogs::message(parent, firstError, QStringLiteral("图片组合"), QMessageBox::Warning);
    return {};
}

std::optional<QColor> Form3::askTextColor(QWidget *parent)
{
    // White, unlike the printout's default: text over a photo.
    const QString answer = Dialogs::prompt(parent, QStringLiteral("请设置文字颜色"), ColorCodes::prompt(),
                                           QStringLiteral("1"));
    if (const auto code = ColorCodes::code(answer, ColorCodes::Match::Exact))
        return ColorCodes::color(*code);
    return std::nullopt;
}

QByteArray Form3::svg() const
{
    return ArtExport::svg({m_windows.source().art()}, {m_area.backColor(), m_area.foreColor()});
}

void Form3::copyPicture()
{
    Desktop::copyImage(picture());
}

void Form3::Picture1_FilesDropped(const QList<Files::Entry> &files)
{
    const QImage dropped = loadPicture(this, files);
    if (!dropped.isNull())
        combine(dropped, askTextColor(this));
}

void Form3::Command1_Click()
{
    m_windows.showSavePicture();
}

void Form3::Command2_Click()
{
    const QString back = Dialogs::prompt(this, QStringLiteral("请设置图片背景色"), ColorCodes::prompt(),
                                         QString::number(ArtDefaults::BackColourCode));
    if (const auto code = ColorCodes::code(back, ColorCodes::Match::Rounded))
        m_area.setBackColor(*ColorCodes::color(*code));

    const QString text = Dialogs::prompt(this, QStringLiteral("请设置文字颜色"), ColorCodes::prompt(),
                                         QString::number(ArtDefaults::TextColourCode));
    if (const auto code = ColorCodes::code(text, ColorCodes::Match::Rounded))
        m_area.setForeColor(*ColorCodes::color(*code));

    m_area.printText(m_windows.source().art());
    describePicture();
}

void Form3::Command3_Click()
{
    m_windows.showCombine();
}

void Form3::Command4_Click()
{
    close();
}
