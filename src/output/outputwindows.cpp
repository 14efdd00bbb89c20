// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "outputwindows.h"

#include "artsource.h"
#include "dialogs.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "outputcost.h"

namespace {
void bringUp(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}
}

OutputWindows::OutputWindows(const ArtSource *source) : m_source(source) {}

OutputWindows::~OutputWindows()
{
    delete m_form5;
    delete m_form4;
    delete m_form3;
}

Form3 *OutputWindows::imageView()
{
    if (!m_form3)
        m_form3 = new Form3(*this);
    return m_form3;
}

Form4 *OutputWindows::saveWindowOrNew()
{
    if (!m_form4)
        m_form4 = new Form4(*m_source);
    return m_form4;
}

void OutputWindows::showImageView()
{
    bringUp(imageView());
}

void OutputWindows::showSaveText()
{
    bringUp(saveWindowOrNew());
}

void OutputWindows::showSavePicture()
{
    Form4 *window = saveWindowOrNew();
    bringUp(window);
    // Taken when the user saves: from a new, hidden image view if this one was closed by then.
    window->savePicture([this] { return imageView()->picture(); });
}

void OutputWindows::showSaveSvg()
{
    // Weighed as the command line weighs it, before anything is asked.
    OutputCost cost(OutputCost::Form::Svg);
    cost.add(source().art());
    if (const QString why = cost.refusal(); !why.isEmpty()) {
        Dialogs::message(m_form3.data(), why, QStringLiteral("保存为 SVG"),
                         QMessageBox::Warning);
        return;
    }
    Form4 *window = saveWindowOrNew();
    bringUp(window);
    window->saveSvg([this] { return imageView()->svg(); });
}

void OutputWindows::showCombine()
{
    if (!m_form5) {
        m_form5 = new Form5;
        QObject::connect(m_form5, &Form5::pictureChosen, m_form5,
                         [this](const QImage &picture, std::optional<QColor> textColor) {
                             imageView()->combine(picture, textColor);
                         });
    }
    bringUp(m_form5);
}
