// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line against the usual text-art programs, each figure the
// median of paired runs made in this one run, all with no display set:
// - one art, `tessellon --print 顶`, against `toilet Hello`;
// - 1,000 different glyphs read from standard input by one process, against
//   1,000 separate runs of `figlet Hello`;
// - the peak resident memory of one art.
// A peer that is not installed is skipped; nothing is installed.
// Run: build/bench/bench_cli [runs] [batch runs]
#include "median.h"

#include <QByteArray>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char **environ;

namespace {
struct Sample
{
    double ms = 0;
    long peakKiB = 0;
    bool ok = false;
};

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// Runs the program to its end with standard input from a file (or
// /dev/null) and standard output thrown away.
Sample spawn(const QList<QByteArray> &command, const char *input = "/dev/null")
{
    std::vector<char *> argv;
    for (const QByteArray &arg : command)
        argv.push_back(const_cast<char *>(arg.constData()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, input, O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    Sample sample;
    const double start = nowMs();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        if (wait4(pid, &status, 0, &usage) == pid) {
            sample.ms = nowMs() - start;
            sample.peakKiB = usage.ru_maxrss;
            sample.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
    }
    posix_spawn_file_actions_destroy(&files);
    return sample;
}

QByteArray peer(const char *name)
{
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (path.isEmpty())
        std::printf("%-44s skipped: %s is not installed\n", "", name);
    return path.toLocal8Bit();
}

double medianMs(const std::vector<Sample> &samples)
{
    std::vector<double> ms;
    for (const Sample &s : samples)
        ms.push_back(s.ms);
    return medianOf(ms);
}
}

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 31;
    const int batchRuns = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    const QByteArray tessellon = TESSELLON_PROGRAM;

    // Nothing of the user's is touched, and no display is there to lean on.
    QTemporaryDir home;
    setenv("HOME", home.path().toLocal8Bit().constData(), 1);
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_DATA_HOME"})
        unsetenv(name);

    // One art.
    const QByteArray toilet = peer("toilet");
    std::vector<Sample> ours, theirs;
    std::vector<double> ratios;
    std::vector<long> peaks;
    for (int i = 0; i < runs; ++i) {
        const Sample one = spawn({tessellon, "--print", "顶"});
        if (!one.ok) {
            std::fprintf(stderr, "tessellon --print failed\n");
            return 1;
        }
        ours.push_back(one);
        peaks.push_back(one.peakKiB);
        if (!toilet.isEmpty()) {
            theirs.push_back(spawn({toilet, "Hello"}));
            ratios.push_back(one.ms / theirs.back().ms);
        }
    }
    std::printf("one art, tessellon --print 顶:               %8.1f ms\n", medianMs(ours));
    if (!toilet.isEmpty())
        std::printf("toilet Hello:                                %8.1f ms  (ratio %.2f, goal <= 1.5)\n",
                    medianMs(theirs), medianOf(ratios));
    std::printf("peak memory of one art:                      %8.1f MiB (goal <= 40)\n", medianOf(peaks) / 1024.0);

    // 1,000 glyphs: CJK ideographs from U+4E00 on, one per line.
    const QString input = home.filePath(QStringLiteral("glyphs.txt"));
    QFile glyphs(input);
    if (!glyphs.open(QIODevice::WriteOnly))
        return 1;
    for (char32_t c = 0x4E00; c < 0x4E00 + 1000; ++c)
        glyphs.write(QString::fromUcs4(&c, 1).toUtf8() + '\n');
    glyphs.close();
    const QByteArray inputPath = input.toLocal8Bit();

    const QByteArray figlet = peer("figlet");
    std::vector<Sample> batch, separate;
    ratios.clear();
    for (int i = 0; i < batchRuns; ++i) {
        batch.push_back(spawn({tessellon, "--print"}, inputPath.constData()));
        if (!figlet.isEmpty()) {
            Sample thousand;
            for (int n = 0; n < 1000; ++n)
                thousand.ms += spawn({figlet, "Hello"}).ms;
            separate.push_back(thousand);
            ratios.push_back(batch.back().ms / thousand.ms);
        }
    }
    std::printf("1,000 glyphs from standard input, one process: %6.1f ms\n", medianMs(batch));
    if (!figlet.isEmpty())
        std::printf("1,000 separate figlet Hello runs:            %8.1f ms  (ratio %.3f, goal <= 0.1)\n",
                    medianMs(separate), medianOf(ratios));
    return 0;
}
