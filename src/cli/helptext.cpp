// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "helptext.h"

#include "displaywidth.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace {
int columnsOf(char32_t c)
{
    return DisplayWidth::columns(c, DisplayWidth::Ambiguous::Narrow);
}

// No line starts with a closing mark or ends with an opening one.
bool closing(char32_t c) { return QStringView(u"，。、；：！？）》」』”’").contains(QChar(c)); }
bool opening(char32_t c) { return QStringView(u"（《「『“‘").contains(QChar(c)); }

// The places a line may break: between words, and around each wide character.
QStringList pieces(const QString &text)
{
    QStringList result;
    bool space = true;  // a break before the next character
    char32_t last = 0;
    for (char32_t c : text.toUcs4()) {
        if (c == U' ') {
            space = true;
            continue;
        }
        const bool joins = !result.isEmpty() && !space && !opening(c) &&
                           (closing(c) || opening(last) || (columnsOf(c) < 2 && columnsOf(last) < 2));
        const QString s = QString::fromUcs4(&c, 1);
        if (joins)
            result.last() += s;
        else
            result << (space && !result.isEmpty() ? QStringLiteral(" ") : QString()) + s;
        space = false;
        last = c;
    }
    return result;
}

QStringList wrapped(const QString &text, int width)
{
    QStringList lines{QString()};
    for (const QString &piece : pieces(text)) {
        if (!lines.last().isEmpty() && HelpText::columns(lines.last() + piece) > width)
            lines << QString();
        lines.last() += lines.last().isEmpty() ? piece.trimmed() : piece;
    }
    return lines;
}

// Names in the first column, their descriptions from the start column on.
void addRows(QString &out, const QList<QPair<QString, QString>> &rows, int start, int width)
{
    for (const auto &[name, description] : rows) {
        QString head = QStringLiteral("  ") + name;
        int headWidth = 2 + HelpText::columns(name);
        if (headWidth + 2 > start) {  // too long: the description goes under it
            out += head + QLatin1Char('\n');
            head.clear();
            headWidth = 0;
        }
        for (const QString &part : wrapped(description, std::max(width - start, 20))) {
            out += head + QString(start - headWidth, QLatin1Char(' ')) + part + QLatin1Char('\n');
            head.clear();
            headWidth = 0;
        }
    }
}
}

int HelpText::columns(QStringView text)
{
    return DisplayWidth::columns(text.toString());
}

QString HelpText::format(const QString &syntax, const QString &description, const QList<QCommandLineOption> &options,
                         const QList<QPair<QString, QString>> &arguments, int width)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("QCommandLineParser", text); };
    QString out = tr("Usage: %1").arg(QCoreApplication::applicationFilePath().section(QLatin1Char('/'), -1) +
                                      QLatin1Char(' ') + tr("[options]") + QLatin1Char(' ') + syntax) +
                  QLatin1Char('\n');
    for (const QString &line : wrapped(description, width))
        out += line + QLatin1Char('\n');

    QList<QPair<QString, QString>> rows;
    for (const QCommandLineOption &option : options) {
        QStringList names;
        for (const QString &name : option.names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString shown = names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            shown += QStringLiteral(" <%1>").arg(option.valueName());
        rows.append({shown, option.description()});
    }
    // One description column for options and arguments alike, at most half the width in.
    int nameWidth = 0;
    for (const auto &row : rows + arguments)
        nameWidth = std::max(nameWidth, columns(row.first));
    const int start = 2 + std::min(nameWidth, std::max(width / 2 - 4, 10)) + 2;
    out += QLatin1Char('\n') + tr("Options:") + QLatin1Char('\n');
    addRows(out, rows, start, width);
    if (!arguments.isEmpty()) {
        out += QLatin1Char('\n') + tr("Arguments:") + QLatin1Char('\n');
        addRows(out, arguments, start, width);
    }
    return out;
}
