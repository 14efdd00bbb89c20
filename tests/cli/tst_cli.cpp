// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// tessellon --print: the real program, run with no display, against the art
// and the picture that the windows make from the same inputs.
#include "canvas.h"
#include "canvasview.h"
#include "form1.h"
#include "fonts.h"
#include "form3.h"
#include "picturearea.h"
#include "testenv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QImageReader>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace {
struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Main-window controls set by design name, in order: text boxes and the
// font box take a text, check boxes true or false, the drawing pad a picture
// file dropped on it (in folder).
using Settings = QList<QPair<QString, QVariant>>;

QString windowArt(const Settings &settings, const QString &folder)
{
    Form1 form;
    for (const auto &[name, value] : settings) {
        QWidget *control = form.findChild<QWidget *>(name);
        if (auto *pad = qobject_cast<CanvasView *>(control)) {
            emit pad->filesDropped({folder + QLatin1Char('/') + value.toString()});
            QCoreApplication::sendPostedEvents();
        } else if (auto *box = qobject_cast<QLineEdit *>(control))
            box->setText(value.toString());
        else if (auto *combo = qobject_cast<QComboBox *>(control))
            combo->setCurrentText(value.toString());
        else if (auto *check = qobject_cast<QCheckBox *>(control))
            check->setChecked(value.toBool());
    }
    form.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    return form.art();
}

QByteArray lf(const QString &art)
{
    return QString(art).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toUtf8();
}
}

class TestCli : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestEnv> env;

    // No display variable and a fresh HOME: the command must manage alone.
    Run run(const QStringList &arguments, const QByteArray &input = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_DATA_HOME",
                                 "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("HOME"), env->home());
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(env->home());  // relative names land there
        process.start(QStringLiteral(TESSELLON_PROGRAM), QStringList{QStringLiteral("--print")} + arguments);
        process.write(input);
        process.closeWriteChannel();
        Run result;
        if (process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit)
            result.status = process.exitCode();
        result.out = process.readAllStandardOutput();
        result.err = process.readAllStandardError();
        return result;
    }
    QString file(const QString &name) const { return env->home() + QLatin1Char('/') + name; }

private slots:
    void init() { env = std::make_unique<TestEnv>(); }
    void cleanup() { env.reset(); }

    void sameArtAsTheWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Settings>("window");
        const QString yong = QStringLiteral("永");
        QTest::newRow("defaults") << QStringList{QStringLiteral("顶")} << Settings{};
        QTest::newRow("another glyph") << QStringList{yong} << Settings{{"Text2", yong}};
        QTest::newRow("font") << QStringList{QStringLiteral("-f"), QStringLiteral("楷体_GB2312"), yong}
                              << Settings{{"Text2", yong}, {"Combo1", QStringLiteral("楷体_GB2312")}};
        QTest::newRow("cell texts, emoji background")
            << QStringList{QStringLiteral("--fg"), QStringLiteral("前景"), QStringLiteral("--bg"), QStringLiteral("😀"), yong}
            << Settings{{"Text2", yong}, {"Text4", QStringLiteral("前景")}, {"Text3", QStringLiteral("😀")}};
        QTest::newRow("not bold") << QStringList{QStringLiteral("--no-bold"), yong}
                                  << Settings{{"Text2", yong}, {"Check2", false}};
        QTest::newRow("shrink") << QStringList{QStringLiteral("--shrink"), yong}
                                << Settings{{"Text2", yong}, {"Check1", true}};
        QTest::newRow("shrink, not bold, CR LF")
            << QStringList{QStringLiteral("--shrink"), QStringLiteral("--no-bold"), QStringLiteral("--crlf"), yong}
            << Settings{{"Text2", yong}, {"Check1", true}, {"Check2", false}};
        QTest::newRow("picture") << QStringList{QStringLiteral("--from-picture"), QStringLiteral("pad.png")}
                                 << Settings{{"Picture2", QStringLiteral("pad.png")}};
    }

    void sameArtAsTheWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Settings, window);
        // An L in black, a dark grey bar that counts as ink and a light one that does not.
        QImage pad(120, 80, QImage::Format_RGB32);
        pad.fill(Qt::white);
        for (const auto &[rect, grey] : {std::pair{QRect(10, 10, 20, 60), 0}, {QRect(10, 55, 90, 15), 0},
                                         {QRect(60, 10, 50, 12), 100}, {QRect(60, 30, 50, 12), 200}})
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                for (int x = rect.left(); x <= rect.right(); ++x)
                    pad.setPixel(x, y, qRgb(grey, grey, grey));
        QVERIFY(pad.save(file(QStringLiteral("pad.png"))));
        const Run cli = run(arguments);
        QCOMPARE(cli.status, 0);
        QCOMPARE(cli.err, QByteArray());
        const QString art = windowArt(window, env->home());
        QCOMPARE(cli.out, arguments.contains(QStringLiteral("--crlf")) ? art.toUtf8() : lf(art));
        if (arguments.contains(QStringLiteral("😀")))
            QVERIFY(cli.out.contains("\xF0\x9F\x98\x80"));
    }

    void smallerGridKeepsTheMainStrokes()
    {
        const Run cli = run({QStringLiteral("--size"), QStringLiteral("11"), QStringLiteral("--fg"), QStringLiteral("#"),
                             QStringLiteral("--bg"), QStringLiteral("."), QStringLiteral("顶")});
        QCOMPARE(cli.status, 0);
        QCOMPARE(cli.out, QByteArray("...........\n"
                                     "...........\n"
                                     "#########..\n"
                                     "..#.####...\n"
                                     "..#.#.##...\n"
                                     "..#.#.##...\n"
                                     "..#.#.##...\n"
                                     "..#.#.##...\n"
                                     "..#..###...\n"
                                     ".#.##..##..\n"
                                     "...........\n"));
    }

    void batchFromStandardInput()
    {
        const Run batch = run({}, "顶\r\n永");  // CR LF and no final line end are fine
        QCOMPARE(batch.status, 0);
        QCOMPARE(batch.out, run({QStringLiteral("顶")}).out + '\n' + run({QStringLiteral("永")}).out);
        QCOMPARE(batch.out.count('\n'), 21 + 1 + 21);
    }

    void picture_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("colours");  // as the image view is answered
        QTest::newRow("PNG, default colours") << QStringLiteral("art.png") << QStringList{"1", "6"};
        QTest::newRow("PNG, black on yellow") << QStringLiteral("art.PNG") << QStringList{"5", "8"};
        QTest::newRow("JPEG") << QStringLiteral("art.jpeg") << QStringList{"4", "1"};
    }

    void picture()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, colours);
        QStringList arguments{QStringLiteral("--picture"), file(name), QStringLiteral("永")};
        if (colours != QStringList{"1", "6"})
            arguments << QStringLiteral("--colours") << colours.join(QLatin1Char(','));
        const Run cli = run(arguments);
        QCOMPARE(cli.status, 0);
        QCOMPARE(cli.out, run({QStringLiteral("永")}).out);

        // The image view prints the window's art for the same glyph.
        Form1 form;
        form.findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("永"));
        form.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        form.findChild<QPushButton *>(QStringLiteral("Command4"))->click();
        auto *view = TestEnv::window<Form3>();
        QVERIFY(view);
        Modal::prompt(colours[0]);
        Modal::prompt(colours[1]);
        view->findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        const QImage expected = view->picture().convertToFormat(QImage::Format_RGB32);
        view->close();

        QImageReader reader(file(name));
        const QImage written = reader.read().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(written.size(), PictureArea::Size);
        if (name.endsWith(QLatin1String("jpeg"))) {
            QCOMPARE(QImageReader::imageFormat(file(name)), QByteArray("jpeg"));
            return;  // lossy: the colours are only near
        }
        QCOMPARE(written, expected);
        // All 21 rows are in the picture: ink below the top of the last one.
        const int lastRowTop = 20 * Fonts::PictureLinePitch;
        bool inkInLastRow = false;
        for (int y = lastRowTop; y < written.height() && !inkInLastRow; ++y)
            for (int x = 0; x < written.width() && !inkInLastRow; ++x)
                inkInLastRow = written.pixel(x, y) != written.pixel(0, 0);
        QVERIFY(inkInLastRow);
    }

    void errors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("named");  // the message names it
        QTest::addColumn<bool>("printed");   // the art came out before the failure
        const QString glyph = QStringLiteral("顶");
        QTest::newRow("unknown option") << QStringList{"--bogus", glyph} << 2 << "bogus" << false;
        QTest::newRow("missing value") << QStringList{glyph, "--size"} << 2 << "--size" << false;
        QTest::newRow("size out of range") << QStringList{"--size", "64", glyph} << 2 << "64" << false;
        QTest::newRow("colour code 9") << QStringList{"--picture", "a.png", "--colours", "1,9", glyph} << 2 << "1,9"
                                       << false;
        QTest::newRow("colour code 0") << QStringList{"--picture", "a.png", "--colours", "0,6", glyph} << 2 << "0,6"
                                       << false;
        QTest::newRow("picture of no known type") << QStringList{"--picture", "a.gif", glyph} << 2 << "a.gif" << false;
        QTest::newRow("unreadable picture") << QStringList{"--from-picture", "missing.png"} << 1 << "missing.png"
                                            << false;
        QTest::newRow("unwritable picture") << QStringList{"--picture", "no/such/folder/a.png", glyph} << 1
                                            << "a.png" << true;
    }

    void errors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, named);
        QFETCH(bool, printed);
        const Run cli = run(arguments);
        QCOMPARE(cli.status, status);
        QCOMPARE(cli.out.isEmpty(), !printed);
        const QString message = QString::fromUtf8(cli.err);
        QVERIFY2(message.count(QLatin1Char('\n')) == 1 && message.endsWith(QLatin1Char('\n')), qPrintable(message));
        QVERIFY2(message.contains(named) && TestEnv::chinese(message), qPrintable(message));
    }

    void leavesNoFileBehind()
    {
        QCOMPARE(run({QStringLiteral("顶")}).status, 0);
        QCOMPARE(run({}, "顶\n永\n").status, 0);
        QDirIterator files(env->home(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                           QDirIterator::Subdirectories);
        QVERIFY2(!files.hasNext(), qPrintable(files.hasNext() ? files.next() : QString()));
    }
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
