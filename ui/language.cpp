// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace {

// The translations are built into the program, one for each language it speaks.
QString translationOf(const QString& language) {
    return QStringLiteral(":/translations/zanfel_%1.qm").arg(language);
}

bool speaks(const QString& language) {
    return language == QLatin1String("en") || QFile::exists(translationOf(language));
}

// Owned by the application from here on, so it lasts as long as the words it gives.
bool install(QCoreApplication& application, const QString& file, const QString& folder = {}) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder))
        return false;
    translator->setParent(&application);
    return QCoreApplication::installTranslator(translator.release());
}

}  // namespace

QString chooseLanguage(const QStringList& wanted) {
    for (const QString& tag : wanted) {
        const QString language =
            tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (speaks(language))
            return language == QLatin1String("en") ? QString() : language;
    }
    return {};
}

bool installLanguage(QCoreApplication& application, const QString& language) {
    if (language.isEmpty() || !install(application, translationOf(language)))
        return false;
    install(application, QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}
