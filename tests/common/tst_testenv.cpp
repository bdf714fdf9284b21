#include "TestSupport.h"

#include "app/Workspace.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

using namespace pw;
using test::TestEnv;

namespace {

enum Piece { Messages_, Clock_, Output, Printer, PrintDialog_, Files, SettingsFile, SystemInfo, TypeAhead, Session };

// Whether the context holds the production piece (or nothing) for it.
bool isProduction(Piece piece)
{
    const Context& c = ctx();
    switch (piece) {
    case Messages_:
        return !c.messages;
    case Clock_:
        return !c.clock;
    case Output:
        return !c.reportOutput;
    case Printer:
        return !c.printerLookup;
    case PrintDialog_:
        return !c.printDialog;
    case Files:
        return !c.fileChooser;
    case SettingsFile:
        return c.settingsFile.isEmpty();
    case SystemInfo:
        return !c.systemInfo;
    case TypeAhead:
        return c.typeAhead.search.isEmpty() && c.typeAhead.lastKeyMs == 0 && !c.typeAhead.lastCombo;
    case Session:
        return !c.database && !c.workspace && c.user.id == 0 && c.settings.keyPressDelay == 0.0;
    }
    return false;
}

} // namespace

class TestTestEnv : public QObject {
    Q_OBJECT
private slots:
    void everyPieceIsFakedThenRestored_data();
    void everyPieceIsFakedThenRestored();
    void eachEnvironmentStartsFromTheSeededTemplate();
    void controlByName_data();
    void controlByName();
};

void TestTestEnv::everyPieceIsFakedThenRestored_data()
{
    QTest::addColumn<int>("piece");
    QTest::addColumn<bool>("fakedByEnv"); // false: the test itself sets it
    QTest::newRow("messages") << int(Messages_) << true;
    QTest::newRow("clock") << int(Clock_) << true;
    QTest::newRow("report output") << int(Output) << true;
    QTest::newRow("printer lookup") << int(Printer) << true;
    QTest::newRow("print dialog") << int(PrintDialog_) << true;
    QTest::newRow("file chooser") << int(Files) << true;
    QTest::newRow("settings file") << int(SettingsFile) << true;
    QTest::newRow("system information") << int(SystemInfo) << true;
    QTest::newRow("type-ahead state") << int(TypeAhead) << false;
    QTest::newRow("database, workspace, user, settings") << int(Session) << true;
}

// A test that changes pieces itself and then stops halfway (as a failed
// check returns early) still leaves the production context behind.
void TestTestEnv::everyPieceIsFakedThenRestored()
{
    QFETCH(int, piece);
    QFETCH(bool, fakedByEnv);
    QVERIFY(isProduction(Piece(piece)));
    QComboBox combo;
    QMdiArea area;
    Workspace ws(&area);
    test::FakeReportOutput ownOutput;
    [&] {
        TestEnv env;
        QCOMPARE(!isProduction(Piece(piece)), fakedByEnv);
        setWorkspace(&ws);
        ctx().reportOutput = &ownOutput;
        ctx().user.id = 7;
        ctx().settings.keyPressDelay = 2;
        ctx().typeAhead = { 1234, QStringLiteral("sm"), &combo };
        ctx().printerLookup = [] { return std::make_shared<QPrinter>(); };
        QVERIFY(!isProduction(Piece(piece)));
        return; // the early return of a failed check
    }();
    QVERIFY(isProduction(Piece(piece)));
}

// Every environment gets its own file with schema and seed values; what one
// test wrote is gone in the next.
void TestTestEnv::eachEnvironmentStartsFromTheSeededTemplate()
{
    QString firstPath;
    QStringList statuses;
    {
        TestEnv env;
        firstPath = env.db().path();
        statuses = env.db().texts(QStringLiteral("SELECT Status FROM MemberStatus ORDER BY Status"));
        QVERIFY(statuses.contains(QStringLiteral("Prospect")));
        env.addMember(QStringLiteral("Ann"), QStringLiteral("Able"));
        env.db().exec(QStringLiteral("DELETE FROM MemberStatus WHERE Status = 'Prospect'"));
    }
    TestEnv env;
    // A file of its own; on a server the one database is emptied instead.
    if (!test::onServer())
        QVERIFY(env.db().path() != firstPath);
    QCOMPARE(env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), 0);
    QCOMPARE(env.db().texts(QStringLiteral("SELECT Status FROM MemberStatus ORDER BY Status")), statuses);
    QCOMPARE(ctx().settings.databasePath, env.db().path());
}

void TestTestEnv::controlByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::newRow("a line edit in a frame") << "txtInner" << true;
    QTest::newRow("missing name") << "txtMissing" << false;
    QTest::newRow("another type") << "btnOk" << false;
}

// A missing control or one of another type fails the test (expected here)
// and hands back a hidden stand-in, so the rest of a test cannot crash.
void TestTestEnv::controlByName()
{
    QFETCH(QString, name);
    QFETCH(bool, found);
    QWidget form;
    form.setObjectName(QStringLiteral("frmSample"));
    auto* frame = new QWidget(&form);
    auto* inner = new QLineEdit(frame);
    inner->setObjectName(QStringLiteral("txtInner"));
    (new QPushButton(&form))->setObjectName(QStringLiteral("btnOk"));

    if (!found)
        QEXPECT_FAIL("", "the helper fails the test for this name", Continue);
    QLineEdit* box = test::control<QLineEdit>(&form, name);
    QVERIFY(box);
    QCOMPARE(box == inner, found);
    QCOMPARE(box->parent(), found ? static_cast<QObject*>(frame) : &form);
    QCOMPARE(box->isHidden(), !found);
}

QTEST_MAIN(TestTestEnv)
#include "tst_testenv.moc"
