// The picture combination window: pictures under the art, and failures.
#include "canvas.h"
#include "folderlist.h"
#include "form3.h"
#include "form5.h"
#include "outputwindows.h"
#include "testenv.h"

#include <QDir>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTest>

namespace {
QRgb at(const Canvas &area, int x, int y)
{
    return area.image().pixel(x, y) & 0xFFFFFF;
}

// A picture of two halves, left and right.
void writePicture(const QString &path, QSize size, QColor left, QColor right)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, size.width() / 2, size.height(), left);
    painter.fillRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height(), right);
    painter.end();
    QVERIFY(image.save(path, "BMP"));
}
}

class TestForm5 : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestEnv> env;
    FakeArt art;
    std::unique_ptr<OutputWindows> windows;

    Form5 *window() { return windows->combineWindow(); }
    QListWidget *files() { return window()->findChild<QListWidget *>("File1"); }
    void pick(const QString &name)
    {
        const auto found = files()->findItems(name, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        files()->setCurrentItem(found.first());
    }
    void combine(const QString &name, const QString &answer)
    {
        windows->showCombine();
        pick(name);
        Modal::prompt(answer);
        window()->findChild<QPushButton *>("Command1")->click();
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        art.text = QStringLiteral("■■■■■■■■\r\n").repeated(5);
        windows = std::make_unique<OutputWindows>(&art);
        writePicture(env->home() + QStringLiteral("/wide.bmp"), QSize(100, 50), Qt::red, Qt::blue);
        writePicture(env->home() + QStringLiteral("/PHOTO.JPG"), QSize(40, 40), Qt::black, Qt::black);
        TestEnv::writeAll(env->home() + QStringLiteral("/broken.gif"), "GIF89a not really");
        TestEnv::writeAll(env->home() + QStringLiteral("/notes.txt"), "text");
    }
    void cleanup()
    {
        windows.reset();
        env.reset();
    }

    void listsPicturesWhateverTheCase()
    {
        windows->showCombine();
        QStringList names;
        for (int i = 0; i < files()->count(); ++i)
            names << files()->item(i)->text();
        QCOMPARE(names, (QStringList{QStringLiteral("broken.gif"), QStringLiteral("PHOTO.JPG"), QStringLiteral("wide.bmp")}));
    }

    void stretchesThePictureOverTheArea()
    {
        art.text.clear();
        combine(QStringLiteral("wide.bmp"), QStringLiteral("1"));
        QTRY_VERIFY(!window());
        const Canvas &area = windows->existingImageView()->pictureArea();
        QCOMPARE(at(area, 5, 5), qRgb(255, 0, 0) & 0xFFFFFF);
        QCOMPARE(at(area, 5, 230), qRgb(255, 0, 0) & 0xFFFFFF);
        QCOMPARE(at(area, 255, 230), qRgb(0, 0, 255) & 0xFFFFFF);
        QCOMPARE(TestEnv::readAll(env->workFile(QStringLiteral("qbx.ini"))), (env->home() + QStringLiteral("/\r\n")).toUtf8());
    }

    void printsWhiteByDefaultAndReplacesOnSecondCombine()
    {
        combine(QStringLiteral("PHOTO.JPG"), QStringLiteral("1"));
        const Canvas &area = windows->existingImageView()->pictureArea();
        int white = 0;
        for (int x = 0; x < 90; ++x)
            white += at(area, x, 6) == 0xFFFFFF;
        QVERIFY(white > 20);
        QCOMPARE(at(area, 250, 200), 0u);

        combine(QStringLiteral("wide.bmp"), QStringLiteral("2.5"));  // no code: colour stays white
        QCOMPARE(at(area, 250, 200), qRgb(0, 0, 255) & 0xFFFFFF);
        QCOMPARE(at(area, 5, 200), qRgb(255, 0, 0) & 0xFFFFFF);
        QVERIFY(area.foreColor() == QColor(Qt::white));

        // A later 设置 shows the combined picture again under a new printout.
        Modal::prompt(QStringLiteral("3"));
        Modal::prompt(QStringLiteral("8"));
        windows->existingImageView()->findChild<QPushButton *>("Command2")->click();
        QCOMPARE(at(area, 250, 200), qRgb(0, 0, 255) & 0xFFFFFF);
        QVERIFY(area.foreColor() == QColor(Qt::black));
    }

    void failuresKeepEverything()
    {
        windows->showImageView();
        const QImage before = windows->existingImageView()->pictureArea().image();
        windows->showCombine();
        QStringList texts;
        Modal::press(QStringLiteral("确定"), &texts);
        window()->findChild<QPushButton *>("Command1")->click();  // nothing selected
        pick(QStringLiteral("broken.gif"));
        Modal::press(QStringLiteral("确定"), &texts);
        window()->findChild<QPushButton *>("Command1")->click();
        QCOMPARE(texts.size(), 2);
        QVERIFY(texts[1].contains(QStringLiteral("broken.gif")));
        QVERIFY(window() && window()->isVisible());
        QCOMPARE(windows->existingImageView()->pictureArea().image(), before);
        QVERIFY(!QFileInfo::exists(env->workFile(QStringLiteral("qbx.ini"))));
    }

    void combinesIntoAHiddenViewAfterClose()
    {
        windows->showImageView();
        windows->existingImageView()->close();
        QTRY_VERIFY(!windows->existingImageView());
        art.text.clear();
        combine(QStringLiteral("wide.bmp"), QStringLiteral("1"));
        Form3 *hidden = windows->existingImageView();
        QVERIFY(hidden && !hidden->isVisible());
        windows->showImageView();
        QCOMPARE(windows->existingImageView(), hidden);
        QVERIFY(hidden->isVisible());
        QCOMPARE(at(hidden->pictureArea(), 5, 5), qRgb(255, 0, 0) & 0xFFFFFF);
    }
};

QTEST_MAIN(TestForm5)
#include "tst_form5.moc"
