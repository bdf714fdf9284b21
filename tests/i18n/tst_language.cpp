#include "Screens.h"

#include "app/LanguageMenu.h"
#include "i18n/Language.h"
#include "widgets/Context.h"
#include "widgets/Formats.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QtTest>

using namespace pw;

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        i18n::use(QStringLiteral("en"), QLocale::c());
        QLocale::setDefault(QLocale::c());
    }
    void startingLanguage_data();
    void startingLanguage();
    void localeFollowsTheLanguage_data();
    void localeFollowsTheLanguage();
    void menuKeepsTheChoice();
};

void TestLanguage::startingLanguage_data()
{
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("C locale") << "C" << "" << "en";
    QTest::newRow("US English") << "en_US" << "" << "en";
    QTest::newRow("Spain") << "es_ES" << "" << "es";
    QTest::newRow("Mexico") << "es_MX" << "" << "es";
    QTest::newRow("Brazil") << "pt_BR" << "" << "pt_BR";
    QTest::newRow("Portugal takes the Brazilian catalogue") << "pt_PT" << "" << "pt_BR";
    QTest::newRow("a language the program does not speak") << "fr_FR" << "" << "en";
    QTest::newRow("the choice wins over the desktop") << "es_ES" << "en" << "en";
    QTest::newRow("a choice on an English desktop") << "en_US" << "pt_BR" << "pt_BR";
    QTest::newRow("a stored value that is no language") << "es_ES" << "klingon" << "es";
}

void TestLanguage::startingLanguage()
{
    QFETCH(QString, desktop);
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    test::TestEnv env;
    const auto settings = storedSettings();
    if (!stored.isEmpty())
        settings->setValue(QStringLiteral("language"), stored);
    QCOMPARE(i18n::startingLanguage(*settings, QLocale(desktop)), expected);
}

void TestLanguage::localeFollowsTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("day");
    QTest::newRow("English on the C locale changes nothing") << "en" << "C" << "C" << "3/14/2026";
    QTest::newRow("English on a Spanish desktop") << "en" << "es_ES" << "en_US" << "3/14/2026";
    QTest::newRow("Spanish on an English desktop") << "es" << "en_US" << "es_ES" << "14/3/2026";
    QTest::newRow("Spanish keeps Mexico's customs") << "es" << "es_MX" << "es_MX" << "14/03/2026";
    QTest::newRow("Portuguese on the C locale") << "pt_BR" << "C" << "pt_BR" << "14/03/2026";
}

// Dates, numbers and money follow the language's locale: the desktop's own
// when it speaks the language.
void TestLanguage::localeFollowsTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, desktop);
    QFETCH(QString, locale);
    QFETCH(QString, day);
    QVERIFY(i18n::use(language, QLocale(desktop)));
    QCOMPARE(i18n::current(), language);
    QCOMPARE(QLocale().name(), locale);
    QCOMPARE(formats::dateText(QDate(2026, 3, 14)), day);
}

// Window > Language keeps the choice for the next start and says so; the
// language in use stays until then.
void TestLanguage::menuKeepsTheChoice()
{
    test::TestEnv env;
    QWidget parent;
    QMenu* menu = makeLanguageMenu(&parent);
    QVERIFY(test::control<QAction>(menu, "Language_en")->isChecked());
    test::control<QAction>(menu, "Language_es")->trigger();
    QCOMPARE(i18n::storedChoice(*storedSettings()), QStringLiteral("es"));
    QCOMPARE(i18n::current(), QStringLiteral("en"));
    QCOMPARE(env.messages.count(), 1);
    QCOMPARE(env.messages.last().text, QStringLiteral("Pewlark will speak Español from the next time it starts."));
    // Back to the language in use: kept, and nothing to say.
    test::control<QAction>(menu, "Language_en")->trigger();
    QCOMPARE(i18n::storedChoice(*storedSettings()), QStringLiteral("en"));
    QCOMPARE(env.messages.count(), 1);
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
