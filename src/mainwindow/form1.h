// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "artsource.h"
#include "canvas.h"
#include "files.h"
#include "padhistory.h"
#include "snapshotfile.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class QAction;
class QActionGroup;
class QMenu;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTextBlockFormat;
class QTextEdit;
class CanvasView;
class OutputWindows;
class frmAbout;
class AlignmentWindow;

// The main window: input boxes, font, canvases, the composed art and the
// commands that work with it.
class Form1 : public QWidget, public ArtSource
{
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    QString art() const override;
    QString glyphText() const override;

    static QString baseCaption();
    // What the program was started with: a picture file lands on the pad as
    // a dropped one does; any other text is the glyph text, composed at once.
    // native: the argument's bytes, when the command line gave them.
    void openArgument(const QString &argument, const QByteArray &native = {});
    // Closes the window as the session ends: what cannot be stored is said on
    // standard error, as no one is there to answer a box.
    void endSession();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Text1_Change(int position, int removed, int added);
    void Text2_Change();
    void Option3_Click();
    void Option4_Click();
    void Picture3_Click();
    void Picture2_MouseDown(Qt::MouseButton button, QPointF position);
    void Picture2_MouseMove(QPointF position);
    void Picture2_MouseUp();
    void Picture2_FilesDropped(const QList<Files::Entry> &files);
    void Picture2_Undo();
    void Picture2_Redo();
    void Picture2_Clear();
    void Text1_ContextMenu(const QPoint &position);
    void showAlignmentCheck();
    void Alignment_Replace(bool background, const QString &text);

private:
    void buildLayout();
    void connectHandlers();
    void Form_Load();
    void Form_Unload();
    static QString countLock();
    void showCompositionFailure(const QString &text);
    void setUpPad();
    void setUpPadKeys();
    bool padContextMenu(QEvent *event);
    void updatePadActions();
    // Tells a screen reader what the pad does in the current mode.
    void describePad();
    void restorePad(const QImage &drawing);  // a null image leaves the pad
    void forgetPadHistory();
    // A picture on the pad: its cells, decided in the chosen way, as blocks.
    void setUpPictureActions();
    void addPictureActions(QMenu &menu);
    void placePicture(const Files::Entry &file);
    void PictureStyle_Changed();
    // The output box's lines, each at the art's line pitch.
    static QTextBlockFormat artLines();

    QTextEdit *Text1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    CanvasView *Picture2 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QLabel *Label4 = nullptr;
    QComboBox *Combo1 = nullptr;
    CanvasView *Picture1 = nullptr;
    QCheckBox *Check1 = nullptr;
    QCheckBox *Check2 = nullptr;
    QLabel *Picture3 = nullptr;

    Canvas m_small;
    Canvas m_large;
    SnapshotFile m_snapshot;
    QString m_usageCount;  // as shown in the caption; empty when unreadable
    bool m_penDown = false;
    QPointF m_penAt;  // where the pen was last: the next move draws on from there
    PadHistory m_padHistory;
    bool m_strokeRecorded = false;  // the stroke under way is already a step
    QAction *m_padUndo = nullptr;
    QAction *m_padRedo = nullptr;
    QAction *m_padClear = nullptr;
    QActionGroup *m_pictureStyles = nullptr;
    QAction *m_invertPicture = nullptr;
    Files::Entry m_padPicture;  // the picture placed last, placed again when the way changes
    bool m_unloaded = false;
    bool m_sessionEnding = false;
    std::unique_ptr<OutputWindows> m_outputs;
    QPointer<frmAbout> m_about;
    QAction *m_alignmentCheck = nullptr;
    QPointer<AlignmentWindow> m_alignment;
};
