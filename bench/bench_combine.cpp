// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// Loading a 6000×4000 JPEG for the picture combination: decoded straight to
// the picture area's size, against decoding it whole and then scaling; and
// the same photo dropped on the drawing pad.
// Prints median times and the peak memory each way adds.
// Run: QT_QPA_PLATFORM=offscreen build/bench/bench_combine [runs]
#include "canvas.h"
#include "gridgeometry.h"
#include "imagefiles.h"
#include "median.h"
#include "padpicture.h"
#include "picturearea.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

namespace {
long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void makePhoto(const QString &dir)
{
    QImage photo(6000, 4000, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient gradient(0, 0, 6000, 4000);
    gradient.setColorAt(0, Qt::darkBlue);
    gradient.setColorAt(1, Qt::yellow);
    painter.fillRect(photo.rect(), gradient);
    for (int i = 0; i < 400; ++i)
        painter.fillRect((i * 7919) % 5800, (i * 104729) % 3800, 200, 200, QColor::fromHsv(i % 360, 200, 220));
    painter.end();
    photo.save(dir + QStringLiteral("/photo.jpg"), "JPG", 90);
}
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc > 2 && QByteArray(argv[1]) == "--make-photo") {
        makePhoto(QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir dir;
    // Made by a child process, so that its 96 MB stay out of this one's peak.
    QProcess::execute(QCoreApplication::applicationFilePath(), {QStringLiteral("--make-photo"), dir.path()});
    const QString path = dir.path() + QStringLiteral("/photo.jpg");
    Canvas area(PictureArea::Size, 1, 1);

    auto direct = [&] {
        const QImage picture = ImageFiles::load(path, nullptr, PictureArea::Size);
        area.setBackgroundPicture(picture);
        area.stretchCopy(picture);
    };
    auto whole = [&] {
        QImageReader reader(path);
        reader.setAllocationLimit(0);  // the whole photo does not fit the default limit
        const QImage full = reader.read();
        const QImage picture = full.scaled(PictureArea::Size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        area.setBackgroundPicture(picture);
        area.stretchCopy(picture);
    };

    auto drawing = [&] { PadPicture::fromFile(path, GridGeometry::DefaultCells, PictureStyles::Default, false); };

    // Peaks only grow: measure the smaller ways first.
    const long base = peakKiB();
    drawing();
    const long drawingPeak = peakKiB() - base;
    direct();
    const long directPeak = peakKiB() - base;
    whole();
    const long wholePeak = peakKiB() - base;

    const double directMs = medianNs(runs, direct) / 1e6;
    const double wholeMs = medianNs(runs, whole) / 1e6;
    const double drawingMs = medianNs(runs, drawing) / 1e6;
    std::printf("drop on the pad:     %7.1f ms, peak +%6ld KiB\n", drawingMs, drawingPeak);
    std::printf("decode to area size: %7.1f ms, peak +%6ld KiB\n", directMs, directPeak);
    std::printf("decode whole, scale: %7.1f ms, peak +%6ld KiB\n", wholeMs, wholePeak);
    std::printf("speed-up %.1fx (goal >= 4x), memory %.2f of the whole decode's (goal < 0.25)\n",
                wholeMs / directMs, double(directPeak) / double(std::max(1L, wholePeak)));
    return 0;
}
