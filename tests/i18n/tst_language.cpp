#include "Screens.h"

#include "app/HelpWindow.h"
#include "app/LanguageMenu.h"
#include "app/frmLogin.h"
#include "giving/Screens.h"
#include "i18n/Language.h"
#include "widgets/Context.h"
#include "widgets/Formats.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QTextBrowser>
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
    void screensSpeakTheLanguage_data();
    void screensSpeakTheLanguage();
    void guideStartsInTheLanguage_data();
    void guideStartsInTheLanguage();
    void storedValuesStayEnglish();
};

void TestLanguage::startingLanguage_data()
{
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("C locale") << "C"
                              << ""
                              << "en";
    QTest::newRow("US English") << "en_US"
                                << ""
                                << "en";
    QTest::newRow("Spain") << "es_ES"
                           << ""
                           << "es";
    QTest::newRow("Mexico") << "es_MX"
                            << ""
                            << "es";
    QTest::newRow("Brazil") << "pt_BR"
                            << ""
                            << "pt_BR";
    QTest::newRow("Portugal takes the Brazilian catalogue") << "pt_PT"
                                                            << ""
                                                            << "pt_BR";
    QTest::newRow("a language the program does not speak") << "fr_FR"
                                                           << ""
                                                           << "en";
    QTest::newRow("the choice wins over the desktop") << "es_ES"
                                                      << "en"
                                                      << "en";
    QTest::newRow("a choice on an English desktop") << "en_US"
                                                    << "pt_BR"
                                                    << "pt_BR";
    QTest::newRow("a stored value that is no language") << "es_ES"
                                                        << "klingon"
                                                        << "es";
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
    QTest::newRow("English on the C locale changes nothing") << "en"
                                                             << "C"
                                                             << "C"
                                                             << "3/14/2026";
    QTest::newRow("English on a Spanish desktop") << "en"
                                                  << "es_ES"
                                                  << "en_US"
                                                  << "3/14/2026";
    QTest::newRow("Spanish on an English desktop") << "es"
                                                   << "en_US"
                                                   << "es_ES"
                                                   << "14/3/2026";
    QTest::newRow("Spanish keeps Mexico's customs") << "es"
                                                    << "es_MX"
                                                    << "es_MX"
                                                    << "14/03/2026";
    QTest::newRow("Portuguese on the C locale") << "pt_BR"
                                                << "C"
                                                << "pt_BR"
                                                << "14/03/2026";
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

void TestLanguage::screensSpeakTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("button");
    QTest::newRow("Spanish") << "es"
                             << "&Archivo"
                             << "Ve&ntana"
                             << "Iniciar sesión"
                             << "Cerrar";
    QTest::newRow("Brazilian Portuguese") << "pt_BR"
                                          << "&Arquivo"
                                          << "&Janela"
                                          << "Entrar"
                                          << "Fechar";
}

// The main window's menus (made in code) and the login window (made from a
// form) in the language in use.
void TestLanguage::screensSpeakTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, file);
    QFETCH(QString, window);
    QFETCH(QString, login);
    QFETCH(QString, button);
    QVERIFY(i18n::use(language, QLocale::c()));
    test::MainWindowFixture fixture;
    QCOMPARE(test::control<QAction>(&fixture.main, "FileMenu")->text(), file);
    QCOMPARE(test::control<QAction>(&fixture.main, "WindowMenu")->text(), window);
    fixture.main.lock();
    fixture.main.showLogin();
    auto* form = fixture.main.workspace()->find<frmLogin>();
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), login);
    QCOMPARE(test::control<QPushButton>(form, "btnCancel")->text(), button);
}

void TestLanguage::guideStartsInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("section");
    QTest::newRow("Spanish contents") << "es"
                                      << "contents";
    QTest::newRow("Spanish getting started") << "es"
                                             << "getting-started";
    QTest::newRow("Portuguese contents") << "pt_BR"
                                         << "contents";
    QTest::newRow("Portuguese getting started") << "pt_BR"
                                                << "getting-started";
}

// The translated pages of the guide open in their language, and each of
// their links and pictures (one folder up, at the English pages) is there.
void TestLanguage::guideStartsInTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, section);
    test::TestEnv env;
    QVERIFY(i18n::use(language, QLocale::c()));
    HelpWindow help;
    help.showSection(section);
    const QUrl page = help.browser()->source();
    QCOMPARE(page.path(), QStringLiteral("/help/%1/%2.html").arg(language, section));
    QCOMPARE(help.currentSection(), section);
    QFile file(QStringLiteral(":") + page.path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    static const QRegularExpression reference(QStringLiteral("(href|src)=\"([^\"#]+)\""));
    int references = 0;
    for (auto it = reference.globalMatch(html); it.hasNext(); ++references) {
        const QString target = page.resolved(QUrl(it.next().captured(2))).path();
        QVERIFY2(QFile::exists(QStringLiteral(":") + target), qPrintable(target));
    }
    QVERIFY(references > 0);
}

// A gift's method is chosen by its Spanish name and stored by its English
// one, which statements, reports and imports read back.
void TestLanguage::storedValuesStayEnglish()
{
    QVERIFY(i18n::use(QStringLiteral("es"), QLocale::c()));
    test::TestEnv env;
    const qint64 hale = env.addMember(QStringLiteral("Helen"), QStringLiteral("Hale"));
    env.db().exec(QStringLiteral("INSERT INTO Fund (Name, Fund_Order) VALUES ('General', 1)"));
    env.db().exec(QStringLiteral("INSERT INTO Giver (Member_ID, Envelope) VALUES (?, 12)"), { hale });
    env.loginAs(hale, QStringLiteral("Admin"), QStringLiteral("ann"));
    MDI main;
    setWorkspace(main.workspace());
    giving::registerScreens(*main.workspace());
    QWidget* screen = main.workspace()->openWithoutTest(QStringLiteral("frmGiftEntry"));
    test::control<QLineEdit>(screen, "txtEnvelope")->setText(QStringLiteral("12"));
    QTest::keyClick(test::control<QLineEdit>(screen, "txtEnvelope"), Qt::Key_Return);
    auto* method = test::control<QComboBox>(screen, "cmbMethod");
    QVERIFY(test::chooseText(method, QStringLiteral("Cheque")));
    test::control<QLineEdit>(screen, "txtCheckNumber")->setText(QStringLiteral("501"));
    auto* amount = test::control<QLineEdit>(screen, "txtAmount");
    amount->setText(QStringLiteral("25.00"));
    QTest::keyClick(amount, Qt::Key_Return);
    test::click(screen, "btnSave");
    setWorkspace(nullptr);
    QCOMPARE(env.messages.count(), 0);
    QCOMPARE(env.db().texts(QStringLiteral("SELECT Method || ':' || Check_Number FROM Gift")),
        QStringList { QStringLiteral("Check:501") });
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
