// Installs the translations of the user's language: the program's own and Qt's.
#include "ui/window/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>
#include <memory>

namespace tarvelo {

namespace {

// The application's translator for `language` from the file `name`_xx.qm in `folder`, or null
// when there is none.
QTranslator* LoadTranslator(const QLocale& language, const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(language, name, QStringLiteral("_"), folder)) {
        return nullptr;
    }
    translator->setParent(QCoreApplication::instance());
    return translator.release();
}

QList<QTranslator*> InstallAll(const QList<QTranslator*>& translators) {
    for (QTranslator* translator : translators) {
        QCoreApplication::installTranslator(translator);
    }
    return translators;
}

} // namespace

QList<QTranslator*> InstallTranslations(const QLocale& locale) {
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English) {
            return {};
        }
        QTranslator* own =
            LoadTranslator(language, QStringLiteral("tarvelo"), QStringLiteral(":/i18n"));
        if (own == nullptr) {
            continue; // a language Tarvelo does not speak: the user's next one, if any
        }
        // Qt's own texts are looked up last: installed first.
        QList<QTranslator*> installed;
        if (QTranslator* qt = LoadTranslator(language, QStringLiteral("qtbase"),
                                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            installed.append(qt);
        }
        installed.append(own);
        return InstallAll(installed);
    }
    return {};
}

} // namespace tarvelo
