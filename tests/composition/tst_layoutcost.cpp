// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "layoutcost.h"

#include <QTest>

// Characters beyond the first 65,536 arrive as surrogate pairs and are weighed
// by their own code points, as their neighbours of the same kind are.
class TestLayoutCost : public QObject
{
    Q_OBJECT
private slots:
    void supplementaryCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("alike");
        QTest::newRow("emoji") << QStringLiteral("😀😀") << QStringLiteral("☺☺");
        QTest::newRow("Extension B") << QStringLiteral("𠀀𠀀") << QStringLiteral("一一");
        QTest::newRow("between letters") << QStringLiteral("a😀b") << QStringLiteral("a☺b");
    }

    void supplementaryCharacters()
    {
        QFETCH(QString, text);
        QFETCH(QString, alike);
        QCOMPARE(LayoutCost::ofText(text), LayoutCost::ofText(alike));
    }
};

QTEST_GUILESS_MAIN(TestLayoutCost)
#include "tst_layoutcost.moc"
