// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QString>
#include <cstdio>
#include <optional>

// The command line's standard input, output and error as the program found
// them.
namespace StandardStreams
{
struct Closed
{
    bool input = false;
    bool output = false;
};

// Call first thing: notes which streams were closed when the program
// started and puts the null device in their place, so that no file the
// program opens later is taken for one of them; a write to a closed pipe
// then fails with its reason instead of ending the program unannounced.
// A termination, hang-up or interrupt signal ends the program at once, the
// temporary file of a write under way removed.
Closed guard();

// Writes the text as UTF-8 and flushes it; false, with the system's reason,
// when it cannot. A pipe whose reader has gone ends the program at once and
// quietly, as it ends other command-line programs.
bool write(FILE *stream, const QString &text, QString *why = nullptr);

// A line of standard input as text; nothing when its bytes are not text in
// the input's encoding (UTF-8).
std::optional<QString> decodeLine(QByteArrayView bytes);
}
