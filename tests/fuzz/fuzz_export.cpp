// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// Hostile cell texts in every export: the input's first line is the
// foreground, the rest the background, on a grid whose ink the bytes choose.
// Each output is weighed first and made only when the weighing lets it.
#include "artexport.h"
#include "artgrid.h"
#include "celltext.h"
#include "fuzzapplication.h"
#include "outputcost.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzApplication();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = bytes.indexOf('\n');
    const QString fore = QString::fromUtf8(split < 0 ? bytes : bytes.left(split));
    const QString back = split < 0 ? QStringLiteral("▓") : QString::fromUtf8(bytes.mid(split + 1));
    if (!CellText::refusal(fore, CellText::Box::Foreground).isEmpty()
        || !CellText::refusal(back, CellText::Box::Background).isEmpty())
        return 0;
    constexpr int Cells = 7;
    QList<QBitArray> ink(Cells, QBitArray(Cells));
    for (int i = 0; i < Cells * Cells; ++i)
        ink[i / Cells].setBit(i % Cells, size > 0 && (data[i % size] >> (i % 8)) & 1);
    ArtGrid art(ink, fore, back);
    art.append(ArtGrid(ink, back, fore), 1);
    const ArtExport::Colours colours{Qt::black, Qt::yellow};
    const QString text = art.text(u"\r\n");
    for (OutputCost::Form form : {OutputCost::Form::Text, OutputCost::Form::Html, OutputCost::Form::Ansi,
                                  OutputCost::Form::Svg}) {
        OutputCost cost(form);
        cost.add(art);
        OutputCost same(form);
        same.add(text);
        if (!cost.refusal().isEmpty() || !same.refusal().isEmpty())
            continue;
        if (form == OutputCost::Form::Html)
            (void)(ArtExport::htmlPage(text) + ArtExport::htmlPre(text, colours));
        else if (form == OutputCost::Form::Ansi)
            (void)ArtExport::ansi(art, colours, u"\n");
        else if (form == OutputCost::Form::Svg)
            (void)ArtExport::svg({text}, colours);
    }
    return 0;
}
