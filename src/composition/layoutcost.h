// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What laying out a line of text costs the output box, in units of one plain
// letter. Right-to-left letters, changes of writing direction and above all
// long runs of combining marks (shaped as one cluster, at a cost that grows
// faster than the run) cost far more per character than letters do. The
// weights come from bench_layout.
namespace LayoutCost
{
qint64 ofText(const QString &text);
}
