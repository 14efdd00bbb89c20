// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "artexport.h"
#include "artgrid.h"
#include "canvas.h"
#include "outputcost.h"
#include "printoptions.h"

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <optional>

struct CompositionInput;

// Composes the art of every glyph (or of a picture) as the main window does,
// prints it to standard output and, if asked, writes the image view's
// picture of it.
class PrintCommand
{
public:
    explicit PrintCommand(const PrintOptions &options);
    // The exit status: 0, 1 after a failure reported on standard error, 2
    // when a text or an output is refused as too long or too costly, or 3
    // when --check finds art that does not line up in its target.
    int run(FILE *in, FILE *out, FILE *err);

private:
    int printAll(FILE *in);
    bool affordable(const ArtGrid &art);
    QString lineEnd() const;
    // Says why the user's input cannot be made: status 2.
    bool refuse(const QString &message);
    bool print(const CompositionInput &input);
    bool checkAlignment(const CompositionInput &input);
    void warnOfMisalignment(const CompositionInput &input);
    int status() const { return m_misaligned ? 3 : 0; }
    bool writeOut(const QString &text);
    bool fail(const QString &message);
    void say(const QString &message);
    // Writes the art in the chosen format, and its picture when asked.
    bool output(const ArtGrid &art);
    bool finish();
    bool writePicture(const QString &art);
    ArtExport::Colours colours() const;

    const PrintOptions &m_options;
    Canvas m_small;
    Canvas m_large;
    FILE *m_out = nullptr;
    FILE *m_err = nullptr;
    bool m_first = true;
    bool m_outputLost = false;  // a write to standard output failed
    int m_failure = 1;          // the status after a failure
    bool m_misaligned = false;  // in --check's target
    bool m_warned = false;      // of art that a terminal shows skewed
    ArtGrid m_joined;  // the arts so far, with --join
    QStringList m_svgArts;  // written as one document at the end
    std::optional<OutputCost> m_svgCost;  // that document's weight so far
};
