// The program's texts in the user's language: Tarvelo's own translation and Qt's.
#pragma once

#include <QList>
#include <QLocale>

class QTranslator;

namespace tarvelo {

// Installs the translations for the first of `locale`'s languages (QLocale::uiLanguages) that
// is English or that Tarvelo speaks: Tarvelo's own from :/i18n and Qt's own (the standard
// dialog buttons, the command-line help). English, the language of the source texts, needs
// none. The application must exist; it owns the translators. Gives the translators installed:
// deleting one uninstalls it.
QList<QTranslator*> InstallTranslations(const QLocale& locale);

} // namespace tarvelo
