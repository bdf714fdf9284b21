#include "OfficeFolder.h"
#include "Screens.h"

#include "admin/Screens.h"
#include "widgets/FormHelpers.h"
#include "app/Permissions.h"
#include "app/Startup.h"
#include "app/Welcome.h"
#include "data/Church.h"
#include "data/ChurchSettings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace pw;
using test::control;

namespace {

struct Setup : test::MainWindowFixture {
    QWidget* screen = nullptr;

    explicit Setup(bool loggedIn = true)
    {
        admin::registerScreens(*main.workspace());
        if (loggedIn) {
            const qint64 ada = env.addMember(QStringLiteral("Ada"), QStringLiteral("Office"));
            env.loginAs(ada, QStringLiteral("Admin"), QStringLiteral("ada"));
        }
        main.show();
    }

    void open() { screen = MainWindowFixture::open(QStringLiteral("frmChurchInfo")); }
    QLineEdit* box(const char* name) { return control<QLineEdit>(screen, name); }
    void fill(const QString& company, const QString& delay)
    {
        box("txtCompany")->setText(company);
        box("txtKeyPressDelay")->setText(delay);
    }
    void click(const char* button)
    {
        test::click(screen, button);
        test::deleteClosed();
    }
    bool isOpen() const { return MainWindowFixture::isOpen(QStringLiteral("frmChurchInfo")); }
    int rows() { return env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Church")).toInt(); }
    QVariant stored(const char* column)
    {
        return env.db().scalar(
            QStringLiteral("SELECT %1 FROM Church ORDER BY rowid LIMIT 1").arg(QLatin1String(column)));
    }
};

} // namespace

class TestChurchInfo : public QObject {
    Q_OBJECT
private slots:
    void leadingNumber_data();
    void leadingNumber();
    void delayCheckedWhenLeavingItsBox_data();
    void delayCheckedWhenLeavingItsBox();
    void saveOnEmptyTableAddsTheRow();
    void saveChecks_data();
    void saveChecks();
    void loadsAndEditsTheFirstRow();
    void newDelayUsedByTheNextSearch();
    void statementWording_data();
    void statementWording();
    void opensByItselfAtStartUpOnAnEmptyTable_data();
    void opensByItselfAtStartUpOnAnEmptyTable();
    void delayAChurchStartsWith_data();
    void delayAChurchStartsWith();
};

void TestChurchInfo::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("below one") << "0.5" << 0.5 << false;
    QTest::newRow("a fraction above one") << "1.5" << 1.5 << true;
    QTest::newRow("exactly one") << "1" << 1.0 << true;
    QTest::newRow("number then words") << "3 seconds" << 3.0 << true;
    QTest::newRow("blanks before") << "  2" << 2.0 << true;
    QTest::newRow("point first") << ".5" << 0.5 << false;
    QTest::newRow("second point ends it") << "1.5.2" << 1.5 << true;
    QTest::newRow("words first") << "about 3" << 0.0 << false;
    QTest::newRow("empty") << "" << 0.0 << false;
    QTest::newRow("a point alone") << "." << 0.0 << false;
    QTest::newRow("minus") << "-2" << 0.0 << false;
}

void TestChurchInfo::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    QFETCH(bool, accepted);
    QCOMPARE(Church::leadingNumber(text), number);
    QCOMPARE(Church::delayAccepted(text), accepted);
}

void TestChurchInfo::delayCheckedWhenLeavingItsBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("next"); // where the focus goes
    QTest::addColumn<bool>("refused");
    QTest::newRow("0.5 to the next box") << "0.5"
                                         << "txtCompany" << true;
    QTest::newRow("1.5") << "1.5"
                         << "txtCompany" << false;
    QTest::newRow("3 seconds") << "3 seconds"
                               << "txtCompany" << false;
    QTest::newRow("0.5 on the way to Exit") << "0.5"
                                            << "btnExit" << false;
}

void TestChurchInfo::delayCheckedWhenLeavingItsBox()
{
    QFETCH(QString, typed);
    QFETCH(QString, next);
    QFETCH(bool, refused);
    Setup s;
    s.env.messages.focusReturns = true;
    s.open();
    QVERIFY(QTest::qWaitForWindowExposed(&s.main));
    s.main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s.main));
    s.box("txtKeyPressDelay")->setFocus();
    QTRY_VERIFY(s.box("txtKeyPressDelay")->hasFocus());
    QTest::keyClicks(s.box("txtKeyPressDelay"), typed);
    control<QWidget>(s.screen, qPrintable(next))->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    if (refused) {
        QCOMPARE(s.env.messages.count(), 1);
        QCOMPARE(s.env.messages.last().text, QStringLiteral("Quantity must be greater than 0."));
        QCOMPARE(s.env.messages.last().title, QStringLiteral("Invalid Entry"));
        QTRY_VERIFY(s.box("txtKeyPressDelay")->hasFocus());
    } else {
        QCOMPARE(s.env.messages.count(), 0);
        s.box("txtKeyPressDelay")->setFocus(Qt::MouseFocusReason); // selects, as every box does
    }
    QCOMPARE(s.box("txtKeyPressDelay")->selectedText(), typed);
}

void TestChurchInfo::saveOnEmptyTableAddsTheRow()
{
    Setup s;
    s.open();
    QCOMPARE(s.screen->windowTitle(), QStringLiteral("Setup"));
    QSignalSpy changed(s.main.workspace(), &Workspace::churchChanged);
    s.fill(QStringLiteral("Grace Fellowship"), QStringLiteral("3 seconds"));
    s.box("txtAddress1")->setText(QStringLiteral("1 Main St"));
    setPhoneDigits(s.box("txtPhone"), QStringLiteral("6155550100"));
    auto* state = control<QComboBox>(s.screen, "cmbState");
    state->setCurrentIndex(state->findText(QStringLiteral("TN")));
    s.click("btnSave");
    QCOMPARE(s.env.messages.count(), 0);
    QVERIFY(!s.isOpen());
    QCOMPARE(s.rows(), 1);
    QCOMPARE(s.stored("Name").toString(), QStringLiteral("Grace Fellowship"));
    QCOMPARE(s.stored("Phone").toString(), QStringLiteral("6155550100"));
    QCOMPARE(s.stored("Fax").toString(), QString());
    QVERIFY(!s.stored("Fax").isNull()); // empty text, not Null
    QCOMPARE(s.stored("State").toString(), QStringLiteral("TN"));
    // The number the range check read, never the typed text.
    QCOMPARE(s.stored("KeyPressDelay").toDouble(), 3.0);
    if (!test::onServer()) // a server's column holds only numbers anyway
        QCOMPARE(s.env.db().scalar(QStringLiteral("SELECT typeof(KeyPressDelay) FROM Church")).toString(),
            QStringLiteral("real"));
    QCOMPARE(ctx().settings.keyPressDelay, 3.0);
    QCOMPARE(changed.count(), 1);
}

void TestChurchInfo::saveChecks_data()
{
    QTest::addColumn<bool>("permitted");
    QTest::addColumn<QString>("company");
    QTest::addColumn<QString>("delay");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::newRow("without \"Church Info\"") << false << "Grace"
                                             << "2" << refusal::Save << refusal::Title;
    QTest::newRow("no name") << true << ""
                             << "2"
                             << "Church Name is Required."
                             << "Required Fields";
    QTest::newRow("delay 0.5, saved with Enter") << true << "Grace"
                                                 << "0.5"
                                                 << "Quantity must be greater than 0."
                                                 << "Invalid Entry";
    QTest::newRow("no delay") << true << "Grace"
                              << ""
                              << "Quantity must be greater than 0."
                              << "Invalid Entry";
    QTest::newRow("no number") << true << "Grace"
                               << "soon"
                               << "Quantity must be greater than 0."
                               << "Invalid Entry";
}

void TestChurchInfo::saveChecks()
{
    QFETCH(bool, permitted);
    QFETCH(QString, company);
    QFETCH(QString, delay);
    QFETCH(QString, message);
    QFETCH(QString, title);
    Setup s;
    if (!permitted)
        s.env.loginWithOnly(perm::MemberEntry);
    s.open();
    s.fill(company, delay);
    // Enter presses "Save And Close" without the delay box losing the focus.
    QTest::keyClick(s.box("txtKeyPressDelay"), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(s.env.messages.count(), 1);
    QCOMPARE(s.env.messages.last().text, message);
    QCOMPARE(s.env.messages.last().title, title);
    QCOMPARE(s.rows(), 0);
    QVERIFY(s.isOpen());
    QCOMPARE(ctx().settings.keyPressDelay, 0.0);
}

void TestChurchInfo::loadsAndEditsTheFirstRow()
{
    Setup s;
    s.env.db().exec(QStringLiteral("INSERT INTO Church (Name, Address1, City, State, Phone, Fax, KeyPressDelay) "
                                   "VALUES ('Grace', '1 Main St', 'Nashville', 'TN', '6155550100', NULL, 2)"));
    s.env.db().exec(QStringLiteral("INSERT INTO Church (Name, KeyPressDelay) VALUES ('Second row', 9)"));
    s.open();
    QCOMPARE(s.box("txtCompany")->text(), QStringLiteral("Grace"));
    QCOMPARE(s.box("txtPhone")->text(), QStringLiteral("(615) 555-0100"));
    QCOMPARE(phoneDigits(s.box("txtFax")), QString());
    QCOMPARE(control<QComboBox>(s.screen, "cmbState")->currentText(), QStringLiteral("TN"));
    QCOMPARE(s.box("txtKeyPressDelay")->text(), QStringLiteral("2"));
    QVERIFY(!s.screen->windowTitle().endsWith(QLatin1Char('*')));
    // Another workstation changes the city meanwhile; this user the name.
    s.env.db().exec(QStringLiteral("UPDATE Church SET City = 'Franklin' WHERE Name = 'Grace'"));
    s.box("txtCompany")->setText(QStringLiteral("Grace Church"));
    s.click("btnSave");
    QCOMPARE(s.env.messages.count(), 0);
    QCOMPARE(s.rows(), 2);
    QCOMPARE(s.stored("Name").toString(), QStringLiteral("Grace Church"));
    QCOMPARE(s.stored("City").toString(), QStringLiteral("Franklin"));
    QCOMPARE(
        s.env.db().scalar(QStringLiteral("SELECT KeyPressDelay FROM Church WHERE Name = 'Second row'")).toInt(), 9);
    QCOMPARE(ctx().settings.keyPressDelay, 2.0);
}

void TestChurchInfo::statementWording_data()
{
    QTest::addColumn<QString>("stored"); // before the screen opens
    QTest::addColumn<QString>("typed"); // "=": left as shown
    QTest::addColumn<QString>("after"); // stored after the save

    QTest::newRow("the church's own, kept") << "Charity 12" << "=" << "Charity 12";
    QTest::newRow("another workstation's kept when not edited here") << "" << "=" << "Theirs";
    QTest::newRow("the church's own typed") << "" << "EIN 12-345" << "EIN 12-345";
    QTest::newRow("emptied: the common wording again") << "Charity 12" << "" << "";
}

// The wording shown is what statements print; only an edit here stores it.
void TestChurchInfo::statementWording()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    Setup s;
    s.env.db().exec(QStringLiteral("INSERT INTO Church (Name, KeyPressDelay) VALUES ('Grace', 1)"));
    ChurchSettings::setValue(s.env.db(), ChurchSettings::kStatementText, stored);
    s.open();
    auto* box = control<QPlainTextEdit>(s.screen, "txtStatementText");
    QCOMPARE(box->toPlainText(), stored.isEmpty() ? ChurchSettings::defaultStatementText() : stored);
    if (stored.isEmpty())
        ChurchSettings::setValue(s.env.db(), ChurchSettings::kStatementText, QStringLiteral("Theirs"));
    if (typed != QLatin1String("="))
        box->setPlainText(typed);
    s.click("btnSave");
    QCOMPARE(ChurchSettings::value(s.env.db(), ChurchSettings::kStatementText), after);
}

// After a save with a new delay the next type-ahead search uses it at once.
void TestChurchInfo::newDelayUsedByTheNextSearch()
{
    Setup s;
    s.open();
    s.fill(QStringLiteral("Grace"), QStringLiteral("2"));
    s.click("btnSave");
    QComboBox list;
    list.addItems({ QStringLiteral("Smith, Ann"), QStringLiteral("Smythe, Bob") });
    ComboTypeAhead(&list, QLatin1Char('s'));
    s.env.clock.advanceSeconds(1.5); // within the new delay: the search goes on
    ComboTypeAhead(&list, QLatin1Char('m'));
    ComboTypeAhead(&list, QLatin1Char('y'));
    QCOMPARE(list.currentText(), QStringLiteral("Smythe, Bob"));
    s.env.clock.advanceSeconds(2.0); // the pause reached it: a new search
    ComboTypeAhead(&list, QLatin1Char('s'));
    QCOMPARE(list.currentText(), QStringLiteral("Smith, Ann"));
}

void TestChurchInfo::opensByItselfAtStartUpOnAnEmptyTable_data()
{
    QTest::addColumn<bool>("withChurch");
    QTest::newRow("empty Church table") << false;
    QTest::newRow("a church row") << true;
}

// On an empty table the window opens before anyone logs in, and a save by
// someone without "Church Info" (nobody yet) is refused.
void TestChurchInfo::opensByItselfAtStartUpOnAnEmptyTable()
{
    QFETCH(bool, withChurch);
    test::OfficeFolder office(1);
    if (withChurch)
        Database::open(office.database, Database::OpenMode::ExistingOnly)
            ->exec(QStringLiteral("INSERT INTO Church (Name, KeyPressDelay) VALUES ('Grace', 2)"));
    auto* messages = new test::FakeMessages;
    Application app(admin::registerScreens, std::unique_ptr<Messages>(messages));
    QCOMPARE(app.start(office.config, office.dir.filePath(QStringLiteral("lock")), false), 0);
    Workspace* ws = app.mainWindow()->workspace();
    QVERIFY(ws->find(QStringLiteral("frmLogin")));
    QWidget* church = ws->find(QStringLiteral("frmChurchInfo"));
    QCOMPARE(church != nullptr, !withChurch);
    QCOMPARE(ctx().settings.keyPressDelay, withChurch ? 2.0 : 0.0);
    if (withChurch)
        return;
    QCOMPARE(church->windowTitle(), QStringLiteral("Setup (Log in to save)"));
    control<QLineEdit>(church, "txtCompany")->setText(QStringLiteral("Grace"));
    control<QLineEdit>(church, "txtKeyPressDelay")->setText(QStringLiteral("1.5"));
    QTest::mouseClick(control<QPushButton>(church, "btnSave"), Qt::LeftButton);
    QCOMPARE(messages->count(), 1);
    QCOMPARE(messages->last().text, refusal::Save);
    QCOMPARE(ctx().database->scalar(QStringLiteral("SELECT COUNT(*) FROM Church")).toInt(), 0);

    // An administrator logs in; the window, active again, may save.
    ctx().user = CurrentUser { 1, QStringLiteral("Admin"), QStringLiteral("admin") };
    QMdiArea* area = app.mainWindow()->area();
    area->setActiveSubWindow(nullptr);
    area->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(church->parentWidget()));
    QCOMPARE(church->windowTitle(), QStringLiteral("Setup*"));
    QTest::mouseClick(control<QPushButton>(church, "btnSave"), Qt::LeftButton);
    QCOMPARE(messages->count(), 1);
    QCOMPARE(ctx().database->scalar(QStringLiteral("SELECT COUNT(*) FROM Church")).toInt(), 1);
    QCOMPARE(ctx().settings.keyPressDelay, 1.5);
}

void TestChurchInfo::delayAChurchStartsWith_data()
{
    QTest::addColumn<QString>("church"); // how the church row came about
    QTest::addColumn<QString>("shown"); // in the delay box
    QTest::newRow("made in the welcome window") << "welcome" << "1";
    QTest::newRow("no church row yet") << "none" << "1";
    QTest::newRow("the office chose 0") << "0" << "0";
}

// A new church types ahead with the Setup window's default; a stored delay
// is shown as the church has it.
void TestChurchInfo::delayAChurchStartsWith()
{
    QFETCH(QString, church);
    QFETCH(QString, shown);
    Setup s;
    QVariant stored = church;
    if (church == QLatin1String("welcome")) {
        const QString file = s.env.dir.filePath(QStringLiteral("new.sqlite"));
        welcome::createChurch({ "Grace", "ada", "pw", "pw", file }, s.env.clock);
        stored = Database::open(file, Database::OpenMode::ExistingOnly)
                     ->scalar(QStringLiteral("SELECT KeyPressDelay FROM Church WHERE Name = 'Grace'"));
    }
    if (church != QLatin1String("none"))
        s.env.db().exec(QStringLiteral("INSERT INTO Church (Name, KeyPressDelay) VALUES ('Grace', ?)"),
            { stored.toDouble() });
    s.open();
    QCOMPARE(s.box("txtKeyPressDelay")->text(), shown);
}

QTEST_MAIN(TestChurchInfo)
#include "tst_churchinfo.moc"
