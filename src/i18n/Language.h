#pragma once

// The languages the program speaks. English is the language its texts are
// written in; Spanish and Brazilian Portuguese come from catalogues built
// into the program. The language follows the desktop unless the user has
// chosen one (Window > Language), and dates, numbers and money then follow
// that language's customs.

#include <QList>
#include <QLocale>
#include <QString>

class QSettings;

namespace pw::i18n {

struct Language {
    QString code; // "en", "es", "pt_BR"
    QString name; // in its own language, as the menu shows it
};

// English first, then the translated languages.
QList<Language> languages();

// Which of the languages a desktop locale asks for: Spanish for any Spanish
// locale, Brazilian Portuguese for any Portuguese one, else English.
QString languageOf(const QLocale& locale);

// The user's stored choice ("" when none), and storing it ("" forgets it).
QString storedChoice(const QSettings& settings);
void storeChoice(QSettings& settings, const QString& code);

// The language to start in: the stored choice, else the desktop's.
QString startingLanguage(const QSettings& settings, const QLocale& desktop = QLocale::system());

// Installs the program's and Qt's own catalogues of the language in the
// running application (removing those of another language) and makes the
// language's locale the default one for dates, numbers and money: the
// desktop's own locale when it is of that language (Mexican Spanish keeps its
// customs), else the language's main one. English installs no catalogue.
// Returns false when a catalogue is missing from the program.
bool use(const QString& code, const QLocale& desktop = QLocale::system());

// The language in use (the last one given to use(); "en" before).
QString current();

} // namespace pw::i18n
