// SPDX-FileCopyrightText: 2026 Tessellon开发组
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
// Qt's catalogue with the few Chinese words that read wrong mended: the
// older spelling 撤消 becomes 撤销, as in every other Chinese menu, and a
// value given to an option that takes none is not called "abnormal".
class MendedTranslator : public QTranslator
{
public:
    using QTranslator::QTranslator;
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        QString text = QTranslator::translate(context, sourceText, disambiguation, n);
        if (!language().startsWith(QLatin1String("zh")))
            return text;
        if (qstrcmp(context, "QCommandLineParser") == 0 && qstrcmp(sourceText, "Unexpected value after '%1'.") == 0)
            return QStringLiteral("选项“%1”不带值。");
        return text.replace(QStringLiteral("撤消"), QStringLiteral("撤销"));
    }
};
}

bool QtTranslations::install(const QLocale &locale)
{
    auto *translator = new MendedTranslator(QCoreApplication::instance());
    // Beside the program where it is shipped with its Qt (Windows), else Qt's own.
    for (const QString &folder : {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        for (const QLocale &wanted : {locale, QLocale(QLocale::Chinese, QLocale::China)})
            if (translator->load(wanted, QStringLiteral("qtbase"), QStringLiteral("_"), folder))
                return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}
