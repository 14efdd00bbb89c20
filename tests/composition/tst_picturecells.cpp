// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas.h"
#include "composer.h"
#include "gridgeometry.h"
#include "padpicture.h"
#include "picturecells.h"

#include <QPainter>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
struct Shape
{
    QRectF rect;
    QRgb colour;
    bool round = false;
};

QImage drawn(QSize size, QRgb paper, const QList<Shape> &shapes)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(paper);
    QPainter painter(&picture);
    painter.setPen(Qt::NoPen);
    for (const Shape &shape : shapes) {
        painter.setBrush(QColor::fromRgba(shape.colour));
        if (shape.round)
            painter.drawEllipse(shape.rect);
        else
            painter.drawRect(shape.rect);
    }
    return picture;
}

QStringList rows(const QList<QBitArray> &ink)
{
    QStringList out;
    for (const QBitArray &row : ink) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c)
            line += row.testBit(c) ? u'#' : u'.';
        out << line;
    }
    return out;
}

// Linear-light luminance of an sRGB grey.
double linear(int v)
{
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
}

class TestPictureCells : public QObject
{
    Q_OBJECT
private slots:
    void cellsCoverTheGrid_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<QStringList>("expected");
        const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
        const QString paper(21, u'.'), ink(21, u'#'), sides = u'#' + QString(19, u'.') + u'#';

        // 10 pixels a cell: a one-cell frame lands on the first and last rows and columns.
        const QImage frame = drawn({210, 210}, black, {{QRectF(10, 10, 190, 190), white}});
        QTest::newRow("one-cell frame") << frame << (QStringList{ink} + QStringList(19, sides) + QStringList{ink});

        // A line one pixel wide, off the middle of its cell, still darkens the cell's area.
        const QImage line = drawn({210, 210}, white, {{QRectF(107, 0, 1, 210), black}});
        QTest::newRow("line one pixel wide")
            << line << QStringList(21, QString(10, u'.') + u'#' + QString(10, u'.'));

        // A 4:1 picture spans the grid's width, centred: 5¼ rows from row 7⅞.
        const QImage band = drawn({400, 100}, black, {});
        QTest::newRow("wide picture, centred")
            << band << (QStringList(8, paper) + QStringList(5, ink) + QStringList(8, paper));

        // Transparent parts are paper.
        const QImage clear = drawn({100, 100}, qRgba(0, 0, 0, 0), {{QRectF(0, 0, 50, 100), black}});
        QTest::newRow("transparent is paper") << clear << QStringList(21, QString(10, u'#') + QString(11, u'.'));
    }

    void cellsCoverTheGrid()
    {
        QFETCH(QImage, picture);
        QFETCH(QStringList, expected);
        QCOMPARE(rows(PictureCells::decide(picture, 21, PictureStyle::Outline).ink), expected);
    }

    // The threshold comes from the picture: a dark shape on a dark ground, or a
    // grey one on white, is told from its ground; a fixed middle would not.
    void thresholdFollowsThePicture_data()
    {
        QTest::addColumn<int>("ground");
        QTest::addColumn<int>("shape");
        QTest::newRow("dark picture") << 60 << 15;
        QTest::newRow("light picture") << 250 << 200;
        QTest::newRow("light picture, inverted") << 200 << 250;
    }

    void thresholdFollowsThePicture()
    {
        QFETCH(int, ground);
        QFETCH(int, shape);
        const bool invert = shape > ground;
        const QImage picture = drawn({210, 210}, qRgb(ground, ground, ground),
                                     {{QRectF(70, 70, 70, 70), qRgb(shape, shape, shape)}});
        const PictureCells::Result cells = PictureCells::decide(picture, 21, PictureStyles::Default, invert);
        QCOMPARE(cells.style, PictureStyle::Outline);  // two tones are a drawing
        const QString paper(21, u'.'), middle = QString(7, u'.') + QString(7, u'#') + QString(7, u'.');
        QCOMPARE(rows(cells.ink), QStringList(7, paper) + QStringList(7, middle) + QStringList(7, paper));
    }

    // A drawing keeps clean edges: a cell mostly inside the shape is ink, one
    // mostly outside is paper, with no scattered cells. A photo scatters them.
    void outlineEdgesAreClean()
    {
        const int side = 420, cellPixels = side / 21;
        const QImage picture = drawn({side, side}, qRgb(255, 255, 255),
                                     {{QRectF(40, 60, 330, 300), qRgb(0, 0, 0), true},
                                      {QRectF(120, 140, 170, 140), qRgb(255, 255, 255), true}});
        const PictureCells::Result outline = PictureCells::decide(picture, 21);
        QCOMPARE(outline.style, PictureStyle::Outline);
        for (int r = 0; r < 21; ++r)
            for (int c = 0; c < 21; ++c) {
                int dark = 0;
                for (int y = r * cellPixels; y < (r + 1) * cellPixels; ++y)
                    for (int x = c * cellPixels; x < (c + 1) * cellPixels; ++x)
                        dark += qGray(picture.pixel(x, y)) < 128;
                const double covered = double(dark) / (cellPixels * cellPixels);
                if (covered > 0.7 || covered < 0.3)
                    QVERIFY2(outline.ink[r].testBit(c) == (covered > 0.5), qPrintable(u"%1,%2"_s.arg(r).arg(c)));
            }
    }

    // Seen from afar a photo keeps its tones: on a gradient the share of ink
    // follows the darkness, in linear light.
    void photoKeepsTheTone_data()
    {
        QTest::addColumn<int>("cells");
        QTest::addColumn<Qt::Orientation>("direction");
        QTest::newRow("21 cells, across") << 21 << Qt::Horizontal;
        QTest::newRow("33 cells, down") << 33 << Qt::Vertical;
        QTest::newRow("63 cells, across") << 63 << Qt::Horizontal;
    }

    void photoKeepsTheTone()
    {
        QFETCH(int, cells);
        QFETCH(Qt::Orientation, direction);
        QImage picture(256, 256, QImage::Format_RGB32);
        double light = 0;
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) {
                const int v = direction == Qt::Horizontal ? x : y;
                picture.setPixel(x, y, qRgb(v, v, v));
                light += linear(v);
            }
        const double darkness = 1 - light / (256 * 256);
        const PictureCells::Result photo = PictureCells::decide(picture, cells, PictureStyle::Photo);
        QCOMPARE(photo.style, PictureStyle::Photo);
        double ink = 0;
        for (const QBitArray &row : photo.ink)
            ink += row.count(true);
        ink /= cells * cells;
        QVERIFY2(qAbs(ink - darkness) < 0.06, qPrintable(u"ink %1, darkness %2"_s.arg(ink).arg(darkness)));
        QCOMPARE(PictureCells::decide(picture, cells).style, PictureStyle::Photo);  // its tones say photo
    }

    // The pad shows the cells as blocks that the pen's strokes are told apart
    // from; composing the pad gives back exactly the cells, at every size.
    void padComposesTheCells_data()
    {
        QTest::addColumn<int>("cells");
        for (int cells : {GridGeometry::MinCells, GridGeometry::DefaultCells, 33, GridGeometry::MaxCells})
            QTest::addRow("%d cells", cells) << cells;
    }

    void padComposesTheCells()
    {
        QFETCH(int, cells);
        const GridGeometry geometry{cells};
        QImage picture(300, 200, QImage::Format_RGB32);
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 300; ++x)
                picture.setPixel(x, y, qRgb((x * 7 + y * 3) % 256, x % 256, (x * y) % 256));
        const QList<QBitArray> ink = PictureCells::decide(picture, cells, PictureStyle::Photo).ink;
        QCOMPARE(ink.size(), cells);

        Canvas small = geometry.smallCanvas(), large = geometry.largeCanvas();
        large.setBackgroundPicture(PadPicture::blocks(ink, large.size()));
        CompositionInput input;
        input.foreground = u"#"_s;
        input.background = u"."_s;
        input.textMode = false;
        auto compose = [&] { return Composer(small, large, geometry).run(input, nullptr, {}, {}).ink; };
        const QList<QBitArray> blocksAlone = compose();
        QCOMPARE(blocksAlone, QList<QBitArray>(cells, QBitArray(cells)));
        input.pictureCells = ink;
        QCOMPARE(compose(), ink);
    }
};

QTEST_MAIN(TestPictureCells)
#include "tst_picturecells.moc"
