// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

// The platform's doors to the file system, without windows: the lock that guards the count, the working folder the
// environment names, and names as the bytes on disk.
#include "files.h"
#include "workfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

class TestNames : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString at(const QString &name) const { return dir.path() + QLatin1Char('/') + name; }

private slots:
    void init()
    {
        qputenv("HOME", QFile::encodeName(dir.path()));
        qunsetenv("XDG_DATA_HOME");
    }

    // Whatever stands at the lock's name, the work runs at once and only once.
    void lockName_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"none", "FIFO", "link to a FIFO", "dangling link"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }

    void lockName()
    {
        QFETCH(QString, kind);
        const QString lock = at(QStringLiteral("denglu.qbx.lock")), fifo = at(QStringLiteral("fifo"));
        QDir(lock).removeRecursively();
        QFile::remove(lock);
        QFile::remove(fifo);
        if (kind == QLatin1String("FIFO"))
            QCOMPARE(::mkfifo(QFile::encodeName(lock).constData(), 0600), 0);
        else if (kind == QLatin1String("link to a FIFO"))
            QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0 && QFile::link(fifo, lock));
        else if (kind == QLatin1String("dangling link"))
            QVERIFY(QFile::link(at(QStringLiteral("nowhere")), lock));
        int runs = 0;
        Files::underLock(lock, [&runs] { ++runs; });
        Files::underLock(lock, [&runs] { ++runs; });
        QCOMPARE(runs, 2);
        QVERIFY(!QFileInfo::exists(at(QStringLiteral("nowhere"))));  // a link is never followed
    }

    // Names as the system takes them: up to its limit of bytes per name (a replaced file's temporary name must not push
    // it over), in any encoding; a longer one is refused with the system's own reason before anything is written.
    void names_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<bool>("written");
        const long max = ::pathconf(QFile::encodeName(dir.path()).constData(), _PC_NAME_MAX);
        for (long length : {max - 7, max - 1, max})
            for (bool replace : {false, true})
                QTest::addRow("%ld bytes%s", length, replace ? ", replaced" : "") << QByteArray(length, 'a') << replace << true;
        QTest::newRow("one byte too many") << QByteArray(max + 1, 'a') << false << false;
        QTest::newRow("GBK") << QByteArray("\xB6\xA5.txt") << true << true;
        QTest::newRow("UTF-8, too long in bytes") << QStringLiteral("顶").repeated(max / 3 + 1).toUtf8() << false << false;
    }

    void names()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, replace);
        QFETCH(bool, written);
        const QByteArray path = QFile::encodeName(dir.path()) + '/' + name;
        QString why;
        if (replace)
            QVERIFY(Files::write(path, "old", &why));
        QCOMPARE(Files::checkName(path).value_or(QString()), written ? QString() : qt_error_string(ENAMETOOLONG));
        QCOMPARE(Files::write(path, "new", &why), written);
        QCOMPARE(why, written ? QString() : qt_error_string(ENAMETOOLONG));
        QFile file;
        QCOMPARE(Files::openRegular(file, path, Files::Links::Refuse) && file.readAll() == "new", written);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), written && Files::keptName(name) ? 1 : 0);
        ::unlink(path.constData());  // the temporary folder cannot remove a name that is not UTF-8
    }

    // The program's own working files, by any spelling and any path to their folder.
    void workFiles_data()
    {
        QTest::addColumn<QString>("path");  // under the temporary folder
        QTest::addColumn<bool>("work");
        const QString work = QStringLiteral("h/.local/share/Tessellon/");
        for (const char *name : {"qbx.jpg", "liebiao.txt", "qbx.ini", "denglu.qbx", "denglu.qbx.lock",
                                 "Tessellon的使用技巧.txt"})
            QTest::newRow(name) << work + QString::fromUtf8(name) << true;
        QTest::newRow("through a link") << QStringLiteral("link/qbx.jpg") << true;
        QTest::newRow("through ..") << QStringLiteral("h/.local/share/Tessellon/../Tessellon/liebiao.txt") << true;
        QTest::newRow("another name") << work + QStringLiteral("qbx.png") << false;
        QTest::newRow("another letter case") << work + QStringLiteral("QBX.JPG") << false;
        QTest::newRow("another folder") << QStringLiteral("h/qbx.jpg") << false;
    }

    void workFiles()
    {
        QFETCH(QString, path);
        QFETCH(bool, work);
        qputenv("HOME", QFile::encodeName(at(QStringLiteral("h"))));
        const QString folder = WorkFiles::folder();
        QFile::link(folder, at(QStringLiteral("link")));
        QCOMPARE(WorkFiles::isWorkFile(QFile::encodeName(at(path))), work);
    }

    // The working folder: an absolute $XDG_DATA_HOME, else ~/.local/share (a
    // relative one is ignored); a HOME that Qt would read as another name is refused.
    void workingFolder_data()
    {
        QTest::addColumn<QByteArray>("home");  // under the temporary folder
        QTest::addColumn<QByteArray>("xdg");  // "-": unset; "/": under the temporary folder
        QTest::addColumn<QByteArray>("folder");  // under the temporary folder; empty: refused
        QTest::newRow("unset") << QByteArray("h") << QByteArray("-") << QByteArray("h/.local/share/Tessellon");
        QTest::newRow("absolute") << QByteArray("h") << QByteArray("/x") << QByteArray("x/Tessellon");
        QTest::newRow("relative") << QByteArray("h") << QByteArray("r") << QByteArray("h/.local/share/Tessellon");
        QTest::newRow("UTF-8 home") << QByteArray("顶") << QByteArray("-") << QByteArray("顶/.local/share/Tessellon");
        QTest::newRow("GBK home") << QByteArray("\xB6\xA5") << QByteArray("-") << QByteArray();
        QTest::newRow("GBK data home") << QByteArray("h") << QByteArray("/\xB6\xA5") << QByteArray();
    }

    void workingFolder()
    {
        QFETCH(QByteArray, home);
        QFETCH(QByteArray, xdg);
        QFETCH(QByteArray, folder);
        const QByteArray base = QFile::encodeName(dir.path()) + '/';
        qputenv("HOME", base + home);
        if (xdg != "-")
            qputenv("XDG_DATA_HOME", xdg.startsWith('/') ? base + xdg.mid(1) : xdg);
        QVERIFY(QDir::setCurrent(dir.path()));
        if (folder.isEmpty()) {
            const std::optional<QString> why = WorkFiles::problem();
            QVERIFY(why && why->contains(QStringLiteral("UTF-8")));
            return;
        }
        QVERIFY(!WorkFiles::problem());
        QCOMPARE(QFile::encodeName(WorkFiles::folder()), base + folder);
        QVERIFY(QFileInfo(QFile::decodeName(base + folder)).isDir());
        QVERIFY(!QFileInfo::exists(at(QStringLiteral("r"))));  // never under the current folder
    }
};

QTEST_GUILESS_MAIN(TestNames)
#include "tst_names.moc"
