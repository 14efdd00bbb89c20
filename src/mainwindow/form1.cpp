// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "accessibility.h"
#include "appicon.h"
#include "artdefaults.h"
#include "canvasview.h"
#include "celltext.h"
#include "fonts.h"
#include "frmabout.h"
#include "gridgeometry.h"
#include "outputwindows.h"
#include "scaffold.h"
#include "workfiles.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

using Scaffold::place;

namespace {
const QString RecommendSpaces = QStringLiteral("推荐使用全角空格“%1”，将背景设置为白色").arg(ArtDefaults::RecommendedBackground);
}

Form1::Form1(QWidget *parent)
    : QWidget(parent),
      m_small(GridGeometry().smallCanvas()),
      m_large(GridGeometry().largeCanvas()),
      m_snapshot(WorkFiles::path(WorkFiles::Snapshot)),
      m_outputs(std::make_unique<OutputWindows>(this))
{
    buildLayout();
    connectHandlers();
    Form_Load();
}

// The program ends with this window's object, whichever window closed last:
// working files that other windows wrote after the shutdown step go too.
Form1::~Form1()
{
    // The focus moves while the controls go: nothing of this window follows it any more.
    disconnect(qApp, nullptr, this, nullptr);
    WorkFiles::removeScratch();
}

QTextBlockFormat Form1::artLines()
{
    QTextBlockFormat lines;
    lines.setLineHeight(Fonts::ArtLinePitch, QTextBlockFormat::FixedHeight);
    return lines;
}

QString Form1::baseCaption()
{
    return QStringLiteral("Tessellon加强版");
}

void Form1::buildLayout()
{
    Scaffold::setUp(this, "Form1", baseCaption(), Scaffold::Frame::Fixed, QSize(7665, 4110));

    Text1 = place<QTextEdit>(this, "Text1", twips(0, 0, 4095, 4095));
    Text1->setAcceptRichText(false);
    Text1->setLineWrapMode(QTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont artFont = Fonts::defaultFont();
    artFont.setStyleStrategy(QFont::PreferNoShaping);  // the art needs none: quicker to lay out and paint
    Text1->setFont(artFont);
    // 21 lines of art fit above the progress bar.
    Text1->document()->setDocumentMargin(2);
    QTextCursor(Text1->document()).setBlockFormat(artLines());
    Text1->setTabChangesFocus(true);
    // Every composition replaces the whole text: no undo history piling up.
    Text1->setUndoRedoEnabled(false);
    Accessibility::name(Text1, QStringLiteral("拼出的文字"), QStringLiteral("21 行文字图形；右键菜单或 F7：对齐检查"));

    ProgressBar1 = place<QProgressBar>(this, "ProgressBar1", twips(0, 3840, 4095, 255));
    ProgressBar1->setRange(0, GridGeometry().cells - 1);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setToolTip(QStringLiteral("制作进度"));
    Accessibility::name(ProgressBar1, ProgressBar1->toolTip());
    ProgressBar1->raise();

    Frame1 = place<QGroupBox>(this, "Frame1", twips(4200, 40, 3375, 2775));
    Frame1->setTitle(QStringLiteral("基本设置"));

    struct ButtonDesign { QPushButton **button; const char *name; int left, top; QString caption, tip; };
    const ButtonDesign buttons[] = {
        {&Command1, "Command1", 4200, 3000, QStringLiteral("拼字(&P)"), QStringLiteral("制作图形文字")},
        {&Command2, "Command2", 5400, 3000, QStringLiteral("复制(&C)"), QStringLiteral("复制左文本框的文字")},
        {&Command3, "Command3", 6600, 3000, QStringLiteral("保存(&S)"), QStringLiteral("保存为txt文本文件")},
        {&Command4, "Command4", 4200, 3600, QStringLiteral("图像(&I)"), QStringLiteral("制作jpg图像文件")},
        {&Command5, "Command5", 5400, 3600, QStringLiteral("帮助(&H)"), QStringLiteral("关于软件")},
        {&Command6, "Command6", 6600, 3600, QStringLiteral("退出(&E)"), QStringLiteral("退出程序")},
    };
    for (const ButtonDesign &b : buttons) {
        *b.button = Scaffold::button(this, b.name, twips(b.left, b.top, 975, 375), b.caption);
        (*b.button)->setToolTip(b.tip);
    }

    Label1 = place<QLabel>(Frame1, "Label1", twips(120, 280, 1095, 255));
    Label1->setText(QStringLiteral("图形字—―→"));
    Text2 = place<QLineEdit>(Frame1, "Text2", twips(1200, 260, 255, 270));
    Text2->setText(ArtDefaults::Glyph);
    Label2 = place<QLabel>(Frame1, "Label2", twips(120, 540, 1095, 255));
    Label2->setText(QStringLiteral("前景字—―→"));
    Label3 = place<QLabel>(Frame1, "Label3", twips(120, 800, 1095, 255));
    Label3->setText(QStringLiteral("背景字—―→"));
    Label3->setToolTip(RecommendSpaces);
    Text3 = place<QLineEdit>(Frame1, "Text3", twips(1200, 760, 255, 270));
    Text3->setText(ArtDefaults::Background);
    Text3->setToolTip(RecommendSpaces);
    Text4 = place<QLineEdit>(Frame1, "Text4", twips(1200, 520, 255, 270));
    Text4->setText(ArtDefaults::Glyph);
    for (QLineEdit *box : {Text2, Text3, Text4}) {
        box->setTextMargins(0, 0, 0, 0);
        box->setMaxLength(CellText::MaxLength);
    }

    Picture2 = place<CanvasView>(Frame1, "Picture2", twips(1560, 240, 1695, 1695));
    Picture2->setToolTip(QStringLiteral("绘图区"));
    Picture2->setCanvas(&m_large);
    Accessibility::name(Picture2, Picture2->toolTip());

    Frame2 = place<QGroupBox>(Frame1, "Frame2", twips(120, 2040, 2535, 615));
    Frame2->setTitle(QStringLiteral("模式选择"));
    Option3 = place<QRadioButton>(Frame2, "Option3", twips(120, 240, 1095, 255));
    Option3->setText(QStringLiteral("文本模式"));
    Option3->setChecked(true);
    Option4 = place<QRadioButton>(Frame2, "Option4", twips(1320, 240, 1095, 255));
    Option4->setText(QStringLiteral("绘图模式"));

    Label4 = place<QLabel>(Frame1, "Label4", twips(120, 1100, 1455, 255));
    Label4->setText(QStringLiteral("请选择一种字体："));
    Combo1 = place<QComboBox>(Frame1, "Combo1", twips(120, 1340, 1335, 300));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);

    Picture1 = place<CanvasView>(Frame1, "Picture1", twips(2880, 2280, 335, 335));
    Picture1->setToolTip(QStringLiteral("缩略图"));
    Picture1->setCanvas(&m_small);
    Accessibility::name(Picture1, Picture1->toolTip(), QStringLiteral("拼字时绘图区的缩小图"));

    Check1 = place<QCheckBox>(Frame1, "Check1", twips(2760, 1960, 495, 255));
    Check1->setText(QStringLiteral("↓"));
    Check1->setToolTip(QStringLiteral("做为缩略图处理"));
    Accessibility::name(Check1, Check1->toolTip());  // rather than the arrow it shows
    Check2 = place<QCheckBox>(Frame1, "Check2", twips(120, 1760, 1335, 180));
    Check2->setText(QStringLiteral("使用粗体"));
    Check2->setCheckState(Qt::Checked);

    Picture3 = place<QLabel>(Frame1, "Picture3", twips(1200, 1700, 225, 225));
    Picture3->setFont(Fonts::designed(QStringLiteral("宋体"), 10.5));
    Picture3->setPixmap(AppIcon::star());
    Picture3->setAlignment(Qt::AlignCenter);
    Scaffold::setBackColor(Picture3, Qt::white);
    Picture3->setToolTip(QStringLiteral("单击，打开特殊字符列表"));
    Picture3->setCursor(Qt::PointingHandCursor);
    Accessibility::pictureButton(Picture3);
    Accessibility::name(Picture3, QStringLiteral("特殊字符列表"), Picture3->toolTip());

    // Each box is named by the label beside it.
    Accessibility::label(Label1, Text2);
    Accessibility::label(Label2, Text4);
    Accessibility::label(Label3, Text3);
    Accessibility::label(Label4, Combo1);

    // Focus order as designed; labels and frames take no focus.
    QWidget *order[] = {Text1, Command1, Command2, Command3, Command4, Command5, Command6, Text2,
                        Text3, Text4, Picture2, Option3, Option4, Combo1, Check1, Check2, Picture3};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    Text1->setFocus();
}

void Form1::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Text1->document(), &QTextDocument::contentsChange, this, &Form1::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &Form1::Text2_Change);
    // The output box's own menu, with the alignment check at its end.
    m_alignmentCheck = new QAction(QStringLiteral("对齐检查(&A)…"), Text1);
    m_alignmentCheck->setObjectName(QStringLiteral("alignmentCheck"));
    // Its key works anywhere in the window, as proofing keys do.
    m_alignmentCheck->setShortcut(QKeySequence(Qt::Key_F7));
    addAction(m_alignmentCheck);
    connect(m_alignmentCheck, &QAction::triggered, this, &Form1::showAlignmentCheck);
    Text1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Text1, &QWidget::customContextMenuRequested, this, &Form1::Text1_ContextMenu);
    for (QLineEdit *box : {Text2, Text3, Text4}) {
        connect(box, &QLineEdit::returnPressed, this, &Form1::Command1_Click);
        box->installEventFilter(this);
    }
    connect(Option3, &QRadioButton::clicked, this, &Form1::Option3_Click);
    connect(Option4, &QRadioButton::clicked, this, &Form1::Option4_Click);
    Picture3->installEventFilter(this);
    connect(Picture2, &CanvasView::mousePressed, this, &Form1::Picture2_MouseDown);
    connect(Picture2, &CanvasView::mouseMoved, this, &Form1::Picture2_MouseMove);
    connect(Picture2, &CanvasView::mouseReleased, this, &Form1::Picture2_MouseUp);
    setUpPad();
    setUpPadKeys();
}
