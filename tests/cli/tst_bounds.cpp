// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// tessellon --print at its bounds, run as a shell runs it: outputs too large
// or too slow to make are refused before anything is made, and every way of
// ending has its status and its message.
#include "testhome.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
struct Run
{
    int status = -1;
    QByteArray out, err;
};

const QString Program = QString::fromUtf8(TESSELLON_PROGRAM);
}

class TestBounds : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestHome> env;

    // The line runs in bash with the program as "$0" and $A as 2,500 letters, $H as 2,100 中, $G as 585 glyphs.
    Run shell(const QString &line)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(u"HOME"_s, env->home());
        environment.insert(u"A"_s, QString(2500, u'a'));
        environment.insert(u"H"_s, QString(2100, u'中'));
        environment.insert(u"G"_s, QString(585, u'顶'));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(env->home());
        process.start(u"bash"_s, {u"-c"_s, line, Program});
        const bool ended = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
        return {ended ? process.exitCode() : -1, process.readAllStandardOutput(), process.readAllStandardError()};
    }

private slots:
    void init()
    {
        if (QStandardPaths::findExecutable(u"bash"_s).isEmpty())
            QSKIP("the command lines need a POSIX shell");
        env = std::make_unique<TestHome>();
    }

    // Refused at once with status 2, the limit named, nothing written; or made, when within the limits.
    void outputWeighing_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");  // on standard error
        QTest::newRow("joined text of 585 glyphs with long cells")
            << "\"$0\" --print --join --size 7 --gap 0 --fg \"$A\" --bg \"$A\" \"$G\"" << 2 << "256 MB";
        QTest::newRow("joined html of & cells")
            << "\"$0\" --print --format html --join --size 7 --gap 0 --fg \"${A//a/&}\" \"$G\"" << 2 << "256 MB";
        QTest::newRow("svg of 70 joined glyphs of long cells, past 2^25 px")
            << "\"$0\" --print --format svg --join --gap 0 --fg \"$H\" \"${G:0:70}\"" << 2 << "像素";
        QTest::newRow("picture of long cells") << "\"$0\" --print --picture a.png --fg \"$H\" 顶" << 2 << "256 MB";
        QTest::newRow("picture of 63 cells at 7 times") << "\"$0\" --print --picture a.png --size 63 --scale 7 顶" << 2
                                                       << "1 秒";
        QTest::newRow("picture of 8 joined glyphs at 8 times")
            << "\"$0\" --print --picture a.png --join --scale 8 \"${G:0:8}\"" << 2 << "1 秒";
        QTest::newRow("too costly cells") << "A=${A:0:1000}; \"$0\" --print --fg \"a${A//a/$'\\u0301'}\" 顶" << 2 << "太复杂";
        QTest::newRow("picture at 8 times") << "\"$0\" --print --picture a.png --scale 8 顶 > /dev/null" << 0 << "";
        QTest::newRow("joined text of 8 glyphs with long cells")
            << "\"$0\" --print --join --gap 0 --fg \"$H\" \"${G:0:8}\" > /dev/null" << 0 << "";
    }

    void outputWeighing()
    {
        QFETCH(QString, line);
        QFETCH(int, status);
        QFETCH(QString, said);
        const Run cli = shell(line);
        QCOMPARE(cli.status, status);
        QVERIFY2(QString::fromUtf8(cli.err).contains(said), cli.err.constData());
        QVERIFY(status == 0 || (cli.out.isEmpty() && !QFileInfo::exists(env->home() + u"/a.png"_s)));
    }

    // How each way of ending shows: the status, what standard error says (nothing for a closed pipe) and
    // what standard output ends with.
    void statuses_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");  // on standard error
        QTest::addColumn<QByteArray>("ending");
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
        const Run cli = shell(line);
        QCOMPARE(cli.status, status);
        const QString error = QString::fromUtf8(cli.err);
        QVERIFY2(said.isEmpty() ? error.isEmpty() : error.contains(said), qPrintable(error));
        QVERIFY2(cli.out.endsWith(ending), cli.out.right(200).constData());
    }
};

QTEST_MAIN(TestBounds)
#include "tst_bounds.moc"
