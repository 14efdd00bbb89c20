// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up time (process start to the first paint of the splash, and from
// the splash's end to the main window's first paint) and resident memory
// after one composition, against a bare Qt Widgets program that shows one
// window.
// Run (a real display is best): xvfb-run -a build/bench/bench_startup [runs]
#include "fonts.h"
#include "form1.h"
#include "form2.h"
#include "median.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
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

void printTime(const char *tag)
{
    std::printf("%s %lld\n", tag, static_cast<long long>(nowNs()));
}

// Reports the first paint of a window, then does the work after it.
class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget *window, const char *tag, std::function<void()> after)
        : m_tag(tag), m_after(std::move(after))
    {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            printTime(m_tag);
            QTimer::singleShot(0, watched, m_after);
        }
        return false;
    }

private:
    const char *m_tag;
    std::function<void()> m_after;
    bool m_done = false;
};

void reportMemoryAndQuit()
{
    std::printf("rss %ld\nfonts %ld\n", residentKiB(), fontPagesKiB());
    std::fflush(stdout);
    QApplication::quit();
}

int child(int argc, char *argv[], bool program)
{
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    std::unique_ptr<FirstPaint> watch;
    if (program) {
        // As main() starts it: the splash, then the main window, which
        // composes once.
        QApplication::setApplicationName(QStringLiteral("Tessellon"));
        Fonts::install();
        auto *splash = new Form2();
        window.reset(splash);
        watch = std::make_unique<FirstPaint>(splash, "shown", [] {});
        QObject::connect(
            splash, &Form2::finished, &app,
            [&] {
                printTime("closed");
                auto *form = new Form1();
                window.reset(form);
                watch = std::make_unique<FirstPaint>(form, "main", [form] {
                    form->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
                    reportMemoryAndQuit();
                });
                form->show();
            },
            Qt::QueuedConnection);
        splash->Form_Load();
    } else {
        auto *label = new QLabel(QStringLiteral("Hello"));
        window.reset(label);
        watch = std::make_unique<FirstPaint>(label, "shown", reportMemoryAndQuit);
        label->resize(511, 274);
        label->show();
    }
    return app.exec();
}

struct Sample
{
    double ms;       // process start to the first window's first paint
    double mainMs;   // end of the splash to the main window's first paint
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
    const auto time = [&out](const char *tag) {
        return QRegularExpression(QStringLiteral("%1 (\\d+)").arg(QLatin1String(tag))).match(out).captured(1).toLongLong();
    };
    const long kib = QRegularExpression(QStringLiteral("rss (\\d+)")).match(out).captured(1).toLong();
    const long fontKib = QRegularExpression(QStringLiteral("fonts (\\d+)")).match(out).captured(1).toLong();
    return {(time("shown") - start) / 1e6, (time("main") - time("closed")) / 1e6, kib, fontKib};
}

Sample median(std::vector<Sample> samples)
{
    std::vector<double> ms, mainMs;
    std::vector<long> kib, fontKib;
    for (const Sample &s : samples) {
        ms.push_back(s.ms);
        mainMs.push_back(s.mainMs);
        kib.push_back(s.kib);
        fontKib.push_back(s.fontKib);
    }
    return {medianOf(ms), medianOf(mainMs), medianOf(kib), medianOf(fontKib)};
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
    std::printf("Tessellon加强版:    shown after %7.1f ms (the splash), resident %6ld KiB after one composition\n",
                p.ms, p.kib);
    std::printf("main window shown %7.1f ms after the splash closed\n", p.mainMs);
    std::printf("ratios: time %.2fx, memory %.2fx (goal <= 1.5x each)\n", p.ms / b.ms, double(p.kib) / double(b.kib));
    std::printf("of which mapped font files: %ld KiB against %ld KiB; without them memory %.2fx\n", p.fontKib,
                b.fontKib, double(p.kib - p.fontKib) / double(b.kib - b.fontKib));
    return 0;
}
