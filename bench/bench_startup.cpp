// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up time (process start to the main window's first paint, less the
// splash's deliberate 2 s) and resident memory after one composition,
// against a bare Qt Widgets program that shows one window.
// Run (a real display is best): xvfb-run -a build/bench/bench_startup [runs]
#include "fonts.h"
#include "form1.h"
#include "form2.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {
qint64 nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    const QRegularExpression rss(QStringLiteral("VmRSS:\\s+(\\d+)"));
    return rss.match(QString::fromLatin1(status.readAll())).captured(1).toLong();
}

// Resident pages of mapped font files: shared page cache, not the program's own.
long fontPagesKiB()
{
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    smaps.open(QIODevice::ReadOnly);
    long total = 0;
    bool font = false;
    for (const QByteArray &line : smaps.readAll().split('\n')) {
        if (QRegularExpression(QStringLiteral("^[0-9a-f]+-[0-9a-f]+ ")).match(QString::fromLatin1(line)).hasMatch())
            font = line.contains("/fonts/");
        else if (font && line.startsWith("Rss:"))
            total += line.mid(4).trimmed().split(' ').value(0).toLong();
    }
    return total;
}

// Reports the first paint of a window, then does the work after it and quits.
class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget *window, std::function<void()> after) : m_after(std::move(after))
    {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            std::printf("shown %lld\n", static_cast<long long>(nowNs()));
            QTimer::singleShot(0, watched, [this] {
                m_after();
                std::printf("rss %ld\nfonts %ld\n", residentKiB(), fontPagesKiB());
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }

private:
    std::function<void()> m_after;
    bool m_done = false;
};

int child(int argc, char *argv[], bool program)
{
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    std::unique_ptr<FirstPaint> watch;
    if (program) {
        QApplication::setApplicationName(QStringLiteral("Tessellon"));
        Fonts::install();
        Form2::start([&] {
            auto *form = new Form1();
            window.reset(form);
            watch = std::make_unique<FirstPaint>(form, [form] {
                form->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
            });
            form->show();
        });
    } else {
        auto *label = new QLabel(QStringLiteral("Hello"));
        window.reset(label);
        watch = std::make_unique<FirstPaint>(label, [] {});
        label->resize(511, 274);
        label->show();
    }
    return app.exec();
}

struct Sample
{
    double ms;
    long kib;
    long fontKib;
};

Sample run(const QString &mode, const QString &home)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.remove(QStringLiteral("XDG_DATA_HOME"));
    process.setProcessEnvironment(env);
    const qint64 start = nowNs();
    process.start(QCoreApplication::applicationFilePath(), {mode});
    process.waitForFinished(60000);
    const QString out = QString::fromLatin1(process.readAllStandardOutput());
    const qint64 shown = QRegularExpression(QStringLiteral("shown (\\d+)")).match(out).captured(1).toLongLong();
    const long kib = QRegularExpression(QStringLiteral("rss (\\d+)")).match(out).captured(1).toLong();
    const long fontKib = QRegularExpression(QStringLiteral("fonts (\\d+)")).match(out).captured(1).toLong();
    double ms = (shown - start) / 1e6;
    if (mode == QLatin1String("--program"))
        ms -= Form2::Steps * Form2::StepMilliseconds;
    return {ms, kib, fontKib};
}

Sample median(std::vector<Sample> samples)
{
    std::vector<double> ms;
    std::vector<long> kib, fontKib;
    for (const Sample &s : samples) {
        ms.push_back(s.ms);
        kib.push_back(s.kib);
        fontKib.push_back(s.fontKib);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(kib.begin(), kib.end());
    std::sort(fontKib.begin(), fontKib.end());
    return {ms[ms.size() / 2], kib[kib.size() / 2], fontKib[fontKib.size() / 2]};
}
}

int main(int argc, char *argv[])
{
    if (argc > 1 && (QByteArray(argv[1]) == "--program" || QByteArray(argv[1]) == "--bare"))
        return child(argc, argv, QByteArray(argv[1]) == "--program");

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir home;
    std::vector<Sample> program, bare;
    for (int i = 0; i < runs; ++i) {
        bare.push_back(run(QStringLiteral("--bare"), home.path()));
        program.push_back(run(QStringLiteral("--program"), home.path()));
    }
    const Sample p = median(program), b = median(bare);
    std::printf("platform: %s\n", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "default" : qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("bare Qt window:     shown after %7.1f ms, resident %6ld KiB\n", b.ms, b.kib);
    std::printf("Tessellon加强版:    shown after %7.1f ms (splash's 2 s taken off), resident %6ld KiB after one composition\n",
                p.ms, p.kib);
    std::printf("ratios: time %.2fx, memory %.2fx (goal <= 1.5x each)\n", p.ms / b.ms, double(p.kib) / double(b.kib));
    std::printf("of which mapped font files: %ld KiB against %ld KiB; without them memory %.2fx\n", p.fontKib,
                b.fontKib, double(p.kib - p.fontKib) / double(b.kib - b.fontKib));
    return 0;
}
