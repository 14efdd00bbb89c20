// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "diskfaults.h"
#include "files.h"
#include "specialfile.h"
#include "testhome.h"

#include <QDir>
#include <QTest>

// The one checked write: it replaces a regular file whole or not at all, and
// never writes through or over anything else at the name.
class TestFiles : public QObject
{
    Q_OBJECT
private slots:
    void write_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");  // empty: written
        QTest::newRow("new file") << "none" << "";
        QTest::newRow("replaced file") << "file" << "";
        QTest::newRow("symbolic link") << "link" << "不是普通文件";  // a junction on Windows
        QTest::newRow("FIFO") << "fifo" << "不是普通文件";
        QTest::newRow("folder") << "folder" << "不是普通文件";
        QTest::newRow("missing folder") << "nofolder" << DiskFaults::missingFolderReason();
        QTest::newRow("full disk") << "full" << DiskFaults::fullReason();
    }

    void write()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        TestHome env;
        const QString folder = env.home() + QStringLiteral("/d"), target = env.home() + QStringLiteral("/target");
        QString path = folder + QStringLiteral("/顶.txt");
        QDir().mkpath(folder);
        TestHome::writeAll(target, "old");
        std::unique_ptr<FullDisk> full;
        if (kind == QLatin1String("file"))
            TestHome::writeAll(path, "old");
        if (kind == QLatin1String("link") && !SpecialFile::make(SpecialFile::Link, path, target))
            QSKIP("no link can be made here (Wine makes no directory junctions)");
        else if (kind == QLatin1String("fifo") && !SpecialFile::make(SpecialFile::Fifo, path, target))
            QSKIP("this system has no FIFOs");
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else if (kind == QLatin1String("nofolder"))
            path = env.home() + QStringLiteral("/no/顶.txt");
        else if (kind == QLatin1String("full"))
            full = std::make_unique<FullDisk>(folder, QMap<QString, QByteArray>{{QStringLiteral("顶.txt"), "old"}});

        const auto entries = [&folder] {
            return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        };
        const QStringList before = entries();
        QString why;
        QCOMPARE(Files::write(path, "new", &why), reason.isEmpty());
        QVERIFY2(why.contains(reason), qPrintable(why));
        if (reason.isEmpty()) {
            QCOMPARE(TestHome::readAll(path), QByteArray("new"));
        } else {
            QCOMPARE(TestHome::readAll(kind == QLatin1String("full") ? path : target), QByteArray("old"));
            QCOMPARE(entries(), before);  // no temporary file left behind
        }
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
