// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// tessellon --print: the real program, run with no display, against the art
// and the picture that the windows make from the same inputs.
#include "canvasview.h"
#include "form1.h"
#include "files.h"
#include "picturearea.h"
#include "testenv.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QGuiApplication>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <cerrno>
#include <functional>
#include <numeric>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
struct Run
{
    int status = -1;
    QByteArray out, err;
};

// Main-window controls by design name, in order: text boxes and the font box
// take a text, check boxes true or false, the drawing pad a dropped file.
using Settings = QList<QPair<QString, QVariant>>;
const QString Program = QString::fromUtf8(TESSELLON_PROGRAM), PadPicture = QString::fromUtf8(PAD_PICTURE);

Form1 *composedForm(const Settings &settings)
{
    auto *form = new Form1;
    for (const auto &[name, value] : settings) {
        QWidget *control = form->findChild<QWidget *>(name);
        if (auto *action = form->findChild<QAction *>(name); action && !control)
            action->trigger();  // the pad's menu
        else if (auto *pad = qobject_cast<CanvasView *>(control)) {
            emit pad->filesDropped({{value.toString(), QFile::encodeName(value.toString())}});
            QCoreApplication::sendPostedEvents();
        } else if (auto *box = qobject_cast<QLineEdit *>(control))
            box->setText(value.toString());
        else if (auto *combo = qobject_cast<QComboBox *>(control))
            combo->setCurrentText(value.toString());
        else if (auto *check = qobject_cast<QCheckBox *>(control))
            check->setChecked(value.toBool());
    }
    form->findChild<QPushButton *>(u"Command1"_s)->click();
    return form;
}
}

class TestCli : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestEnv> env;

    // No display variable and a fresh HOME: the command must manage alone. In a terminal, standard
    // output and error both go to it: Run::out holds both.
    Run start(QStringList command, const QByteArray &input = {}, bool terminal = false, int columns = 80)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_DATA_HOME", "XDG_CONFIG_HOME",
                                 "XDG_RUNTIME_DIR"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(u"HOME"_s, env->home());
        environment.insert(u"COLUMNS"_s, QString::number(columns));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(env->home());  // relative names land there
        if (terminal) {
            for (QString &word : command)
                word = u'\'' + word + u'\'';
            command = QStringList{u"script"_s, u"-qec"_s, command.join(u' '), u"/dev/null"_s};
        }
        process.start(command.takeFirst(), command);
        process.write(input);
        process.closeWriteChannel();
        const bool ended = process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit;
        return {ended ? process.exitCode() : -1, process.readAllStandardOutput(), process.readAllStandardError()};
    }
    Run run(const QStringList &arguments, const QByteArray &input = {}, bool terminal = false)
    {
        return start(QStringList{Program, u"--print"_s} + arguments, input, terminal);
    }
    Run run(const QString &words) { return run(words.split(u' ')); }
    QByteArray plain(const QString &glyph) { return run(QStringList{glyph}).out; }
    // A shell line that runs the program as "$0": for bytes and streams that QProcess cannot give.
    Run shell(const QString &line) { return start({u"bash"_s, u"-c"_s, line, Program}); }
    static bool hasShell() { return !QStandardPaths::findExecutable(u"bash"_s).isEmpty(); }
    // For the shell lines: $A holds 2,500 letters a, $H 2,100 中, $G 585 glyphs 顶.
    static inline const QString Letters =
        u"A=$(printf 'a%.0s' {1..2500}); H=${A//a/中}; H=${H:0:2100}; G=${A//a/顶}; G=${G:0:585}; "_s;
    QString file(const QString &name) const { return env->home() + u'/' + name; }

private slots:
    void init() { env = std::make_unique<TestEnv>(); }

    void sameArtAsTheWindow_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<Settings>("window");
        const QString yong = u"永"_s;
        QTest::newRow("font") << "-f 楷体_GB2312 永" << Settings{{"Text2", yong}, {"Combo1", u"楷体_GB2312"_s}};
        QTest::newRow("cell texts, emoji background")
            << "--fg 前景 --bg 😀 永" << Settings{{"Text2", yong}, {"Text4", u"前景"_s}, {"Text3", u"😀"_s}};
        QTest::newRow("shrink, not bold, CR LF")
            << "--shrink --no-bold --crlf 永" << Settings{{"Text2", yong}, {"Check1", true}, {"Check2", false}};
        // Blue with a white glyph, transparent corners and smoothed edges.
        QTest::newRow("picture") << "--from-picture " + PadPicture << Settings{{"Picture2", PadPicture}};
        QTest::newRow("picture as a photo, inverted")
            << "--from-picture " + PadPicture + " --picture-style photo --invert"
            << Settings{{"pictureStyle_photo", true}, {"invertPicture", true}, {"Picture2", PadPicture}};
        QTest::newRow("picture as an outline")
            << "--from-picture " + PadPicture + " --picture-style outline"
            << Settings{{"pictureStyle_outline", true}, {"Picture2", PadPicture}};
    }

    // The default art is skewed in a terminal, but into a pipe nothing is said.
    void sameArtAsTheWindow()
    {
        QFETCH(QString, arguments);
        QFETCH(Settings, window);
        const Run cli = run(arguments);
        QCOMPARE(cli.status, 0);
        QCOMPARE(cli.err, QByteArray());
        const std::unique_ptr<Form1> form(composedForm(window));
        QByteArray art = form->art().toUtf8();
        if (!arguments.contains(u"--crlf"_s))
            art.replace("\r\n", "\n");
        QCOMPARE(cli.out, art);
    }

    // `tessellon 顶` composes at once; "Open with" on a picture puts it on the pad.
    void startArgument()
    {
        Form1 form;
        form.openArgument(u"顶"_s);
        QCOMPARE(form.art().toUtf8().replace("\r\n", "\n"), plain(u"顶"_s));
        form.openArgument(PadPicture);
        QVERIFY(!form.findChild<QLineEdit *>(u"Text2"_s)->isEnabled());
        // A picture named in GBK bytes (never on Windows, where names are Unicode): its name reads as another
        // text, its bytes find it.
        if (!hasShell())
            return;
        Form1 other;
        const QByteArray gbk = QFile::encodeName(env->home()) + "/\xB6\xA5.png";
        QFile picture(PadPicture);
        QVERIFY(picture.open(QIODevice::ReadOnly) && Files::write(gbk, picture.readAll()));
        other.openArgument(QString::fromLocal8Bit(gbk), gbk);
        QVERIFY(!other.findChild<QLineEdit *>(u"Text2"_s)->isEnabled());
        ::unlink(gbk.constData());  // the temporary folder cannot remove a name that is not UTF-8
    }

    // Every line of the help fits the terminal, a Chinese character counting two columns; the font list
    // starts with the names the program is designed for.
    void helpColumns()
    {
        const int columns = 50;  // narrow enough that descriptions wrap
        const Run help = start({Program, u"--help"_s}, {}, false, columns);
        QCOMPARE(help.status, 0);
        const auto width = [](QStringView text) {
            qsizetype n = text.size();
            for (QChar c : text)
                n += (c >= u'\u2E80' && c <= u'\u9FFF') || (c >= u'\uFF00' && c <= u'\uFF60');
            return n;
        };
        int options = 0;
        for (const QString &line : QString::fromUtf8(help.out).split(u'\n')) {
            QVERIFY2(width(line) <= columns, qPrintable(line));
            options += line.startsWith(u"  -"_s);
        }
        QVERIFY(options >= 14);

        const Run fonts = start({Program, u"--list-fonts"_s});
        QCOMPARE(fonts.status, 0);
        // The names -f takes though no font is installed under them come first, the default at the top.
        const QList<QByteArray> listed = fonts.out.split('\n');
        QCOMPARE(listed.mid(0, 3), QList<QByteArray>({"幼圆", "宋体", "楷体_GB2312"}));
        QVERIFY(listed.contains("Noto Sans CJK SC"));
        QCOMPARE(listed.count("宋体"), 1);
    }

    // A window needs a display: one line says so and how to print without one.
    void noDisplay()
    {
        if (QGuiApplication::platformName() == u"windows"_s)
            QSKIP("Windows always has its desktop");
        const Run start = this->start({Program, u"顶"_s});
        QCOMPARE(start.status, 2);
        const QString message = QString::fromUtf8(start.err);
        QVERIFY2(message.count(u'\n') == 1 && message.contains(u"tessellon --print"_s) && TestEnv::chinese(message),
                 qPrintable(message));
    }

    // Drawn with 幼圆 as WenQuanYi Zen Hei 0.9.45-8, as the composition tests' grid. Joined with
    // another character, each row is the first art's, the gap, then the second art's.
    void smallerGridAndJoin()
    {
        const QString common = u"--size 11 --fg # --bg . "_s;
        const QByteArray left = run(common + u"顶"_s).out;
        QCOMPARE(left, QByteArray("...........\n"
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
        const Run joined = run(common + u"--join --gap 2 顶永"_s);
        QCOMPARE(joined.status, 0);
        const QList<QByteArray> rows = joined.out.split('\n'), right = run(common + u"永"_s).out.split('\n');
        QCOMPARE(rows.size(), 12);  // 11 rows and the end of the last
        for (int r = 0; r < 11; ++r)
            QCOMPARE(rows[r], left.split('\n')[r] + ".." + right[r]);
    }

    // Lines of standard input, CR LF and no final line end: one art each, an empty line between, and no file left in
    // HOME by any run.
    void batchFromStandardInputLeavesNoFile()
    {
        const Run batch = run({}, "顶\r\n永");
        QCOMPARE(batch.status, 0);
        QCOMPARE(batch.out, plain(u"顶"_s) + '\n' + plain(u"永"_s));
        const QStringList left = QDir(env->home()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
    }

    // The HTML page and the SVG are well formed and hold the plain art's rows, in the colours asked; several glyphs
    // make one SVG document, the arts one under another.
    void exports_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("element");  // that holds the rows
        QTest::addColumn<QStringList>("named");  // what the document must also say
        QTest::newRow("html, colours, CR LF")
            << "--format html --colours 8,5 --crlf 顶" << "pre" << QStringList{"#000000", "#ffff00", "line-height:18px"};
        QTest::newRow("svg, 3 times")
            << "--format svg --scale 3 顶" << "text" << QStringList{"width=\"783\"", "#ffffff", "#ff00ff"};
        QTest::newRow("svg, two glyphs")
            << "--format svg 顶 顶" << "text" << QStringList{"height=\"474\"", "text-anchor=\"middle\""};
    }

    void exports()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, element);
        QFETCH(QStringList, named);
        const Run cli = run(arguments);
        QCOMPARE(cli.status, 0);
        const std::optional<QStringList> texts = TestEnv::xmlTexts(cli.out, element);
        QVERIFY2(texts, cli.out.constData());
        const QString art = QString::fromUtf8(plain(u"顶"_s));
        if (element == u"pre"_s) {
            QCOMPARE(texts->join(u'\n').remove(u'\r').split(u'\n'), art.split(u'\n', Qt::SkipEmptyParts));
        } else {
            // One character a cell, each at its own position.
            const int arts = int(arguments.count(u"顶"_s));
            QCOMPARE(texts->join(QString()), QString(art).remove(u'\n').repeated(arts));
        }
        for (const QString &text : named)
            QVERIFY2(cli.out.contains(text.toUtf8()), qPrintable(text));
    }

    // Every cell in the text colour on the background colour, whatever the terminal's own, one reset at each line end.
    void ansi()
    {
        const Run cli = run(u"--format ansi 顶"_s);
        QCOMPARE(cli.status, 0);
        QString text = QString::fromUtf8(cli.out);
        QVERIFY(text.count(u"\x1b[0m\n"_s) == 21 && text.count(u"\x1b[0m"_s) == 21);
        QCOMPARE(text.count(u"\x1b[38;2;255;0;255;48;2;255;255;255m"_s), 21);
        QCOMPARE(text.remove(QRegularExpression(u"\x1b\\[[0-9;]*m"_s)).toUtf8(), plain(u"顶"_s));
    }

    // Art smaller than the picture area is drawn larger to fill it, a banner as tall as the area, and the default
    // art at its usual size: every row whole, nothing cut off.
    void pictureFilled_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QSize>("inkAtLeast");
        QTest::newRow("21 cells") << "顶" << 21 << QSize(240, 220);
        QTest::newRow("7 cells") << "--size 7 顶" << 7 << QSize(240, 220);
        QTest::newRow("banner of 11") << "--join --size 11 新年快乐" << 11 << QSize(1000, 225);
    }
    void pictureFilled()
    {
        QFETCH(QString, arguments);
        QFETCH(int, rows);
        QFETCH(QSize, inkAtLeast);
        QCOMPARE(run(u"--fg ■ --bg □ --picture %1 "_s.arg(file(u"p.png"_s)) + arguments).status, 0);
        const QImage picture = QImage(file(u"p.png"_s)).convertToFormat(QImage::Format_RGB32);
        const QList<QRect> bands = TestEnv::inkBands(picture, 0xFFFFFF);
        QCOMPARE(bands.size(), rows);
        const QRect ink = std::accumulate(bands.cbegin(), bands.cend(), QRect(), std::bit_or<QRect>());
        QVERIFY2(ink.width() >= inkAtLeast.width() && ink.height() >= inkAtLeast.height(),
                 qPrintable(u"%1×%2 of %3×%4"_s.arg(ink.width()).arg(ink.height()).arg(picture.width()).arg(picture.height())));
    }

    // Drawn at four times the size, not enlarged: every row whole.
    void scaledPicture()
    {
        const QString args = u"--fg ■ --bg □ --picture %1 永"_s;
        QCOMPARE(run(args.arg(file(u"big.png"_s)) + u" --scale 4"_s).status, 0);
        QCOMPARE(run(args.arg(file(u"small.png"_s))).status, 0);
        const QImage big = QImage(file(u"big.png"_s)).convertToFormat(QImage::Format_RGB32);
        const QImage small = QImage(file(u"small.png"_s)).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(small.size(), PictureArea::Size);
        QCOMPARE(big.size(), PictureArea::Size * 4);
        QCOMPARE(TestEnv::inkBands(big, 0xFFFFFF).size(), 21);
        QVERIFY(big != small.scaled(big.size()));
    }

    void errors_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("named");  // the message names it
        QTest::addColumn<bool>("printed");   // the art came out before the failure
        QTest::newRow("unknown option") << "--bogus 顶" << 2 << "bogus" << false;
        QTest::newRow("size out of range") << "--size 64 顶" << 2 << "64" << false;
        QTest::newRow("unknown picture style") << "--from-picture a.png --picture-style sketch" << 2 << "sketch" << false;
        QTest::newRow("inverting no picture") << "--invert 顶" << 2 << "--from-picture" << false;
        QTest::newRow("colour code 9") << "--picture a.png --colours 1,9 顶" << 2 << "1,9" << false;
        QTest::newRow("colour codes, American spelling") << "--picture a.png --colors 0,6 顶" << 2 << "0,6" << false;
        QTest::newRow("empty background") << "--bg= 顶" << 2 << "--bg" << false;
        QTest::newRow("font not installed, the closest named") << "-f NotoSansCJKSC 顶" << 1 << "Noto Sans CJK SC" << false;
        QTest::newRow("picture of no known type") << "--picture a.gif 顶" << 2 << "a.gif" << false;
        QTest::newRow("unreadable picture") << "--from-picture missing.png" << 1 << "missing.png" << false;
        QTest::newRow("unwritable picture") << "--picture no/such/folder/a.png 顶" << 1 << "a.png" << true;
        // Texts that would break a row of the art; "<" gives standard input.
        QTest::newRow("tab in --fg") << "--fg a\tb 顶" << 2 << "前景字" << false;
        QTest::newRow("next line in a glyph") << "a\u0085b" << 2 << "图形字" << false;
        QTest::newRow("tab in a line of standard input") << "< 顶\t永" << 2 << "图形字" << false;
        QTest::newRow("unknown format") << "--format pdf 顶" << 2 << "pdf" << false;
        QTest::newRow("scale 9") << "--picture a.png --scale 9 顶" << 2 << "9" << false;
        QTest::newRow("scale of text") << "--scale 2 顶" << 2 << "--scale" << false;
        QTest::newRow("gap without join") << "--gap 2 顶 永" << 2 << "--join" << false;
        QTest::newRow("one picture, two glyphs") << "--picture a.png 顶 永" << 2 << "--join" << false;
        QTest::newRow("colours of plain text") << "--colours 1,6 顶" << 2 << "--picture" << false;
        QTest::newRow("target without check") << "--target terminal 顶" << 2 << "--target" << false;
        QTest::newRow("check of a missing font") << "--check --target NoSuchFont 顶" << 1 << "NoSuchFont" << false;
        QTest::newRow("picture from no file") << "--from-picture ''" << 2 << "--from-picture" << false;
        QTest::newRow("picture over a working file")
            << "--picture .local/share/Tessellon/qbx.jpg 顶" << 1 << "qbx.jpg" << true;
        QTest::newRow("name too long")
            << "--picture " + QString(300, u'a') + ".png 顶" << 1 << "" << true;  // the system's reason
        QTest::newRow("line too long") << u"<<"_s << 2 << "第 1 行" << false;
    }

    void errors()
    {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, named);
        QFETCH(bool, printed);
        QDir(env->home()).mkpath(u".local/share/Tessellon"_s);
        QStringList words = arguments.split(u' ');
        words.replaceInStrings(QRegularExpression(u"^''$"_s), QString());
        if (named.isEmpty())
            named = *Files::checkName(Files::native(file(words[1])));
        // "<<": one line on standard input, longer than any cell can use, read in a few bytes of memory.
        const Run cli = arguments == u"<<"_s         ? run({}, QByteArray(64 << 20, 'a'))
                        : arguments.startsWith(u'<') ? run({}, arguments.mid(2).toUtf8())
                                                     : run(words);
        QCOMPARE(cli.status, status);
        QCOMPARE(cli.out.isEmpty(), !printed);
        const QString message = QString::fromUtf8(cli.err);
        QVERIFY2(message.count(u'\n') == 1 && message.endsWith(u'\n'), qPrintable(message));
        QVERIFY2(message.contains(named) && TestEnv::chinese(message), qPrintable(message));
    }

    // --check prints the widths everywhere instead of the art, and fails in
    // its target when the two texts differ in width there.
    void alignmentCheck_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("verdicts");  // in the table's order
        QTest::newRow("default art") << QStringList{"--check", "顶"} << 3 << "✗✓✓✓";
        QTest::newRow("wide terminal") << QStringList{"--check", "--target", "terminal-wide", "顶"} << 0 << "✗✓✓✓";
        QTest::newRow("two arts, one skewed") << QStringList{"--check", "--bg", " ", "顶", "A"} << 3 << "✗✗✗✗✓✓✗✗";
        QTest::newRow("another font") << QStringList{"--check", "--target", "DejaVu Sans", "顶"} << 3 << "✗✓✓✓✗";
    }

    void alignmentCheck()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, verdicts);
        const Run cli = run(arguments);
        QCOMPARE(cli.status, status);
        QCOMPARE(cli.err, QByteArray());
        QString marks = QString::fromUtf8(cli.out);
        marks.remove(QRegularExpression(u"[^✓✗]"_s));
        QCOMPARE(marks, verdicts);
    }

    // Art that a terminal shows skewed is printed all the same, with one line of warning and its mend.
    void terminalWarning()
    {
        if (QStandardPaths::findExecutable(u"script"_s).isEmpty())
            QSKIP("script (util-linux) is needed to give the program a terminal");
        const Run shown = run({u"顶"_s, u"永"_s}, {}, true);
        QCOMPARE(shown.status, 0);
        const QStringList lines = QString::fromUtf8(shown.out).split(u"\r\n"_s, Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2 * 21 + 1);
        const QStringList warnings = lines.filter(u"tessellon："_s);
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings[0].contains(u"“▓”"_s) && warnings[0].contains(u"--bg '\u3000'"_s), qPrintable(warnings[0]));
        QCOMPARE(run({u"--bg"_s, u"\u3000"_s, u"顶"_s}, {}, true).out.count("tessellon"), 0);
    }

    // A closed stream is named, never read from a file that took its place.
    void closedStreams_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");  // on standard output, or on standard error for a failure
        QTest::newRow("closed output") << "\"$0\" --print 顶 >&-" << 1 << "标准输出";
        QTest::newRow("closed input") << "\"$0\" --print <&-" << 1 << "标准输入";
        QTest::newRow("closed input, glyph given") << "\"$0\" --print --fg '#' --bg . 一 <&-" << 0 << "...";
    }

    void closedStreams()
    {
        QFETCH(QString, line);
        QFETCH(int, status);
        QFETCH(QString, said);
        if (!hasShell())
            QSKIP("closing a stream needs a POSIX shell");
        const Run cli = shell(line);
        QCOMPARE(cli.status, status);
        const QString text = QString::fromUtf8(status == 0 ? cli.out : cli.err);
        QVERIFY2(text.contains(said), qPrintable(text));
    }

    // File names in GBK bytes, as on disks from Chinese Windows: written and read under their own bytes.
    void gbkNames()
    {
        if (!hasShell())
            QSKIP("names are Unicode on Windows, never GBK bytes");
        const QByteArray gbk = QFile::encodeName(env->home()) + "/\xB6\xA5.png";
        QCOMPARE(shell(u"\"$0\" --print --picture \"$(printf '\\266\\245.png')\" 永"_s).status, 0);
        QFile picture;
        QVERIFY(Files::openRegular(picture, gbk, Files::Links::Refuse));
        TestEnv::writeAll(file(u"art.png"_s), picture.readAll());
        QVERIFY(!QImage(file(u"art.png"_s)).isNull());
        const Run read = shell(u"\"$0\" --print --from-picture=\"$(printf '\\266\\245.png')\""_s);
        QCOMPARE(read.status, 0);
        QCOMPARE(read.out, run({u"--from-picture"_s, file(u"art.png"_s)}).out);
        ::unlink(gbk.constData());  // the temporary folder cannot remove a name that is not UTF-8
    }

    // How each way of ending shows: the status, what standard error says (nothing for a closed pipe) and
    // what standard output ends with. Outputs over a limit are refused at once with status 2, the limit named,
    // nothing written; within the limits they are made.
    void statuses_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");  // on standard error
        QTest::addColumn<QByteArray>("ending");
        QTest::newRow("joined text of 585 glyphs with long cells")
            << "\"$0\" --print --join --size 7 --gap 0 --fg \"$A\" --bg \"$A\" \"$G\"" << 2 << "256 MB" << ""_ba;
        QTest::newRow("joined html of & cells")
            << "\"$0\" --print --format html --join --size 7 --gap 0 --fg \"${A//a/&}\" \"$G\"" << 2 << "256 MB" << ""_ba;
        QTest::newRow("svg of 70 joined glyphs of long cells, past 2^25 px")
            << "\"$0\" --print --format svg --join --gap 0 --fg \"$H\" \"${G:0:70}\"" << 2 << "像素" << ""_ba;
        QTest::newRow("picture of long cells") << "\"$0\" --print --picture a.png --fg \"$H\" 顶" << 2 << "256 MB" << ""_ba;
        QTest::newRow("picture of 63 cells at 7 times") << "\"$0\" --print --picture a.png --size 63 --scale 7 顶" << 2
                                                       << "1 秒" << ""_ba;
        QTest::newRow("picture of 8 joined glyphs at 8 times")
            << "\"$0\" --print --picture a.png --join --scale 8 \"${G:0:8}\"" << 2 << "1 秒" << ""_ba;
        QTest::newRow("too costly cells") << "A=${A:0:1000}; \"$0\" --print --fg \"a${A//a/$'\\u0301'}\" 顶" << 2 << "太复杂" << ""_ba;
        QTest::newRow("picture at 8 times") << "\"$0\" --print --picture a.png --scale 8 顶 > /dev/null" << 0 << "" << ""_ba;
        QTest::newRow("joined text of 8 glyphs with long cells")
            << "\"$0\" --print --join --gap 0 --fg \"$H\" \"${G:0:8}\" > /dev/null" << 0 << "" << ""_ba;
        QTest::newRow("closed pipe") << "yes 顶 | head -300 | \"$0\" --print | head -1" << 0 << "" << "▓\n"_ba;
        QTest::newRow("help into a full disk") << "\"$0\" --help > /dev/full" << 1 << "标准输出" << ""_ba;
        QTest::newRow("version into a full disk") << "\"$0\" --version > /dev/full" << 1 << "标准输出" << ""_ba;
        QTest::newRow("font list into a full disk") << "\"$0\" --list-fonts > /dev/full" << 1 << "标准输出" << ""_ba;
        QTest::newRow("art into a full disk") << "\"$0\" --print 顶 > /dev/full" << 1 << "标准输出" << ""_ba;
        QTest::newRow("argument not UTF-8") << "\"$0\" --print $'\\xff顶'" << 2 << "图形字“�顶”" << ""_ba;
        QTest::newRow("--bg not UTF-8") << "\"$0\" --print --bg $'\\xe9' 顶" << 2 << "--bg" << ""_ba;
        QTest::newRow("line of standard input not UTF-8") << "printf '顶\\n\\xff\\n' | \"$0\" --print" << 2 << "第 2 行"
                                                          << "▓\n"_ba;
        QTest::newRow("endless line") << "\"$0\" --print < /dev/zero" << 2 << "第 1 行" << ""_ba;
        QTest::newRow("page ended after a refused line")
            << "printf '顶\\n\\xff\\n' | \"$0\" --print --format html" << 2 << "第 2 行" << "</html>\n"_ba;
        QTest::newRow("default font by its own name") << "\"$0\" --print --check --target 幼圆 顶" << 0 << "" << "\n"_ba;
        QTest::newRow("no advice the cells refuse")
            << "\"$0\" --print --check --bg \"${A:0:1300}\" 顶 | grep -c \"${A:0:2501}\"" << 1 << "" << "0\n"_ba;
    }

    void statuses()
    {
        QFETCH(QString, line);
        QFETCH(int, status);
        QFETCH(QString, said);
        QFETCH(QByteArray, ending);
        if (!hasShell())
            QSKIP("the command lines need a POSIX shell");
        const Run cli = shell(Letters + line);
        QCOMPARE(cli.status, status);
        const QString error = QString::fromUtf8(cli.err);
        QVERIFY2(said.isEmpty() ? error.isEmpty() : error.contains(said), qPrintable(error));
        QVERIFY2(cli.out.endsWith(ending), cli.out.right(200).constData());
        QVERIFY(status != 2 || !ending.isEmpty() || cli.out.isEmpty());
        QVERIFY(status == 0 || !QFileInfo::exists(env->home() + u"/a.png"_s));
    }
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
