// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "median.h"

#include <QByteArray>
#include <QFile>
#include <ctime>
#include <functional>

// What one piece of work costs: the processor time the whole process spends
// on it (other programs on a shared machine barely change it) and how far it
// raises the process's peak memory.
struct Cost
{
    double cpuMs = 0;
    double peakMiB = 0;
};

namespace Measure {
inline double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// A line of /proc/self/status in KiB ("VmRSS", "VmHWM").
inline long statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field) + 1).trimmed().split(' ').value(0).toLong();
    return 0;
}

// The median processor time of runs runs, and the largest peak-memory rise
// of any of them (the peak is reset before each run).
inline Cost of(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    double peak = 0;
    for (int i = 0; i < runs; ++i) {
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5");  // resets VmHWM to the current VmRSS
        clear.close();
        const long before = statusKiB("VmRSS");
        const double start = cpuMs();
        work();
        times.push_back(cpuMs() - start);
        peak = std::max(peak, (statusKiB("VmHWM") - before) / 1024.0);
    }
    return {medianOf(times), peak};
}
}
