// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "console.h"
#include "drives.h"
#include "files.h"
#include "terminal.h"
#include "testhome.h"
#include "textfile.h"
#include "workfiles.h"

#include <QDir>
#include <QTest>
#include <qt_windows.h>

// What only Windows has: drive letters, %LOCALAPPDATA%, the ANSI code page, consoles.
class TestWindows : public QObject
{
    Q_OBJECT
private slots:
    void drives()
    {
        const QStringList roots = Drives::roots();
        QStringList letters;
        for (const QFileInfo &drive : QDir::drives())
            letters << drive.absolutePath().toUpper();
        letters.sort();
        QCOMPARE(roots, letters);
        QVERIFY(roots.contains(QStringLiteral("C:/")));
        QCOMPARE(Drives::rootOf(QStringLiteral("c:\\Users\\x")), QStringLiteral("C:/"));
        QCOMPARE(Drives::rootOf(QStringLiteral("C:")), QStringLiteral("C:/"));
    }

    void workingFolder()
    {
        TestHome env;
        const QString local = QDir::fromNativeSeparators(qEnvironmentVariable("LOCALAPPDATA"));
        QCOMPARE(WorkFiles::folder(), local + QStringLiteral("/Tessellon"));
        QVERIFY(QFileInfo(WorkFiles::folder()).isDir());
        QCOMPARE(QFileInfo(WorkFiles::path(WorkFiles::CountFile)).path(), WorkFiles::folder());
    }

    // The working files are known by their folder's identity on its volume, whatever path leads there; names Windows
    // refuses are refused before anything is written.
    void names()
    {
        TestHome env;
        const QByteArray work = Files::native(WorkFiles::path(WorkFiles::Remembered));
        QVERIFY(WorkFiles::isWorkFile(work));
        QVERIFY(WorkFiles::isWorkFile(Files::native(QDir::toNativeSeparators(env.home()).toUpper()) + "/.LOCAL/share/x/../Tessellon/QBX.INI"));
        QVERIFY(!WorkFiles::isWorkFile(Files::native(env.home()) + "/qbx.ini"));
        for (const QString &name : {QStringLiteral("CON.txt"), QStringLiteral("a?.txt"), QStringLiteral("art. ")}) {
            QString why;
            QVERIFY(!Files::write(env.home() + QLatin1Char('/') + name, "x", &why));
            QVERIFY2(why.contains(QStringLiteral("Windows")), qPrintable(why));
        }
        QCOMPARE(QDir(env.home()).entryList(QDir::Files | QDir::Hidden).size(), 0);
    }

    // A Chinese Windows writes text files in code page 936 (GBK).
    void codePage936()
    {
        if (::GetACP() != 936)
            QSKIP("not a Chinese system's code page (run with LC_ALL=zh_CN.UTF-8 under Wine)");
        bool lossless = false;
        QCOMPARE(TextFile::encode(QStringLiteral("顶▓☆"), &lossless), QByteArray::fromHex("b6a5a888a1ee"));
        QVERIFY(lossless);
        TestHome env;
        const QString path = env.home() + QStringLiteral("/顶▓☆.txt");
        QVERIFY(TextFile::writeLines(path, {QStringLiteral("顶▓☆")}));
        QCOMPARE(TestHome::readAll(path), QByteArray::fromHex("b6a5a888a1ee0d0a"));
        QCOMPARE(TextFile::readFirstLine(path), std::optional<QString>(QStringLiteral("顶▓☆")));
    }

    // Text piped in by cmd comes in the console's code page (936 here); UTF-8 is taken as such first, and bytes that
    // are neither are refused.
    void pipedText()
    {
        if ((::GetConsoleCP() ? ::GetConsoleCP() : ::GetACP()) != 936)
            QSKIP("not a Chinese system's code page (run with LC_ALL=zh_CN.UTF-8 under Wine)");
        QCOMPARE(Console::decodeInput(QByteArray::fromHex("b6a5a888")), std::optional<QString>(QStringLiteral("顶▓")));
        QCOMPARE(Console::decodeInput("\xe9\xa1\xb6"), std::optional<QString>(QStringLiteral("顶")));
        QCOMPARE(Console::decodeInput(""), std::optional<QString>(QString()));
        QCOMPARE(Console::decodeInput("\xb6"), std::nullopt);  // half a character
    }

    // The null device and files are no console: no terminal warning there, and UTF-8 bytes written to them.
    void notConsoles()
    {
        TestHome env;
        const QString path = env.home() + QStringLiteral("/out.txt");
        for (const char *name : {"NUL", "file"}) {
            FILE *stream = std::fopen(name == QByteArray("NUL") ? "NUL" : QFile::encodeName(path).constData(), "wb");
            QVERIFY(stream);
            QVERIFY2(!Terminal::isTerminal(stream), name);
            QVERIFY(Console::write(stream, QStringLiteral("顶\n")));
            std::fclose(stream);
        }
        QCOMPARE(TestHome::readAll(path), QByteArray("\xe9\xa1\xb6\n"));
    }

    // The checked write replaces in one step and reads back through the system's own handles, Chinese names included.
    void writeAndRead()
    {
        TestHome env;
        const QString path = env.home() + QStringLiteral("/顶▓☆.bin");
        QVERIFY(Files::write(path, "old"));
        QVERIFY(Files::write(path, "new"));
        QFile file;
        QVERIFY(Files::openRegular(file, path, Files::Links::Refuse));
        QCOMPARE(file.readAll(), QByteArray("new"));
        const QList<Files::Entry> found = Files::regularFiles(Files::native(env.home()));
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].name, QStringLiteral("顶▓☆.bin"));
        QString why;
        QVERIFY(!Files::openRegular(file, env.home(), Files::Links::Follow, &why));
        QVERIFY2(why.contains(QStringLiteral("不是普通文件")), qPrintable(why));
    }
};

QTEST_GUILESS_MAIN(TestWindows)
#include "tst_windows.moc"
