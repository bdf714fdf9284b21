// Batches of gifts: how a batch's save meets another counter's, a closed
// batch, and the entry row driven by the keyboard alone.

#include "RealMessageBoxes.h"
#include "TestSupport.h"

#include "app/MDI.h"
#include "app/Permissions.h"
#include "app/Workspace.h"
#include "data/Sql.h"
#include "giving/Batches.h"
#include "giving/Screens.h"
#include "giving/StatementData.h"
#include "giving/frmFunds.h"
#include "giving/frmGiftEntry.h"
#include "members/frmMemberEntry.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

using namespace pw;
using namespace pw::giving;
using test::control;

namespace {

struct Church {
    test::TestEnv env;
    qint64 general = 0, building = 0;
    qint64 hale = 0, bell = 0;

    Church()
    {
        Database& db = env.db();
        general = db.insert(
            QStringLiteral("INSERT INTO Fund (Name, Fund_Order) VALUES ('General', 1)") + sql::returningId());
        building = db.insert(
            QStringLiteral("INSERT INTO Fund (Name, Fund_Order) VALUES ('Building', 2)") + sql::returningId());
        hale = env.addMember(QStringLiteral("Helen"), QStringLiteral("Hale"));
        bell = env.addMember(QStringLiteral("Bo"), QStringLiteral("Bell"));
        db.exec(QStringLiteral("UPDATE Member SET City = 'Salem' WHERE ID = ?"), { hale });
        db.exec(QStringLiteral("INSERT INTO Giver (Member_ID, Envelope) VALUES (?, 12), (?, 40)"), { hale, bell });
    }

    EntryGift gift(qint64 giver, qint64 cents, qint64 fund = 0) const
    {
        EntryGift g;
        g.giverId = giver;
        g.method = QStringLiteral("Cash");
        g.lines = { { fund ? fund : general, cents } };
        return g;
    }

    // A saved open batch holding the gifts.
    qint64 batchWith(const std::vector<EntryGift>& gifts)
    {
        BatchChanges c;
        c.batch.date = QDate(2026, 3, 15);
        c.added = gifts;
        return saveBatch(env.db(), c, threeway::OnConflict::Report, QStringLiteral("ann"), env.clock.now()).batchId;
    }

    // Each stored gift as "giver:cents".
    QStringList stored(qint64 batchId)
    {
        QStringList out;
        for (const EntryGift& g : batchGifts(env.db(), batchId))
            out.append(QStringLiteral("%1:%2").arg(g.giverId).arg(g.cents()));
        return out;
    }
};

} // namespace

class TestGiftEntry : public QObject {
    Q_OBJECT

private slots:
    void twoCountersOnOneBatch_data();
    void twoCountersOnOneBatch();
    void closedBatchRefusesEverySave();
    void reopeningIsRecorded();
    void aReturnedGiftNetsToNothing_data();
    void aReturnedGiftNetsToNothing();
    void envelopeUniqueAmongActivePeople_data();
    void envelopeUniqueAmongActivePeople();
    void keyboardOnlyEntry();
    void closingWithAVarianceAsks();
    void aRefusedAmountKeepsTheFocus();
    void editAndRemoveSavedGifts();
    void goodsAndValueReceived_data();
    void goodsAndValueReceived();
    void pledgeAddedOnTheGivingTab();
    void fundsAreCheckedBeforeAnyIsSaved_data();
    void fundsAreCheckedBeforeAnyIsSaved();
    void escapeInTheFundsGrid();
    void givingMenuOnlyWithGivingView_data();
    void givingMenuOnlyWithGivingView();
    void givingTabOnlyWithGivingView_data();
    void givingTabOnlyWithGivingView();
};

// Counter A loaded the batch with Hale's 10.00; counter B meanwhile did what
// the row says. A then adds Bell's 5.00 and changes Hale's gift to 20.00.
void TestGiftEntry::twoCountersOnOneBatch_data()
{
    QTest::addColumn<QString>("theirs");
    QTest::addColumn<int>("how");
    QTest::addColumn<int>("conflicts");
    QTest::addColumn<QStringList>("after");

    const int report = int(threeway::OnConflict::Report), mine = int(threeway::OnConflict::KeepMine),
              keepTheirs = int(threeway::OnConflict::KeepTheirs);
    // Both sides' new gifts stay; only a gift both changed is asked about.
    QTest::newRow("they added one") << "add" << report << 0 << QStringList { "H:2000", "B:700", "B:500" };
    QTest::newRow("they changed it, asked") << "change" << report << 1 << QStringList { "H:3000" };
    QTest::newRow("they changed it, mine") << "change" << mine << 0 << QStringList { "H:2000", "B:500" };
    QTest::newRow("they changed it, theirs") << "change" << keepTheirs << 0 << QStringList { "H:3000", "B:500" };
    QTest::newRow("they removed it, asked") << "remove" << report << 1 << QStringList {};
    QTest::newRow("they removed it, mine") << "remove" << mine << 0 << QStringList { "H:2000", "B:500" };
}

void TestGiftEntry::twoCountersOnOneBatch()
{
    QFETCH(QString, theirs);
    QFETCH(int, how);
    QFETCH(int, conflicts);
    QFETCH(QStringList, after);
    Church c;
    const qint64 id = c.batchWith({ c.gift(c.hale, 1000) });
    const EntryGift loaded = batchGifts(c.env.db(), id).front();

    BatchChanges b;
    b.batch = *batch(c.env.db(), id);
    if (theirs == QLatin1String("add")) {
        b.added = { c.gift(c.bell, 700) };
    } else if (theirs == QLatin1String("change")) {
        EntryGift changed = loaded;
        changed.lines.front().cents = 3000;
        b.changed = { { loaded, changed } };
    } else {
        b.removed = { loaded.id };
    }
    QCOMPARE(
        saveBatch(c.env.db(), b, threeway::OnConflict::Report, QStringLiteral("bo"), c.env.clock.now()).conflicts, 0);

    BatchChanges a;
    a.batch = *batch(c.env.db(), id);
    a.added = { c.gift(c.bell, 500) };
    EntryGift mineGift = loaded;
    mineGift.lines.front().cents = 2000;
    a.changed = { { loaded, mineGift } };
    const BatchSaveOutcome outcome
        = saveBatch(c.env.db(), a, threeway::OnConflict(how), QStringLiteral("ann"), c.env.clock.now());
    QCOMPARE(outcome.conflicts, conflicts);

    QStringList expected;
    for (QString s : after)
        expected.append(
            s.replace(QLatin1Char('H'), QString::number(c.hale)).replace(QLatin1Char('B'), QString::number(c.bell)));
    QStringList got = c.stored(id);
    got.sort();
    expected.sort();
    QCOMPARE(got, expected);
    // A gift kept against its removal comes back under its own identifier.
    if (theirs == QLatin1String("remove") && conflicts == 0)
        QVERIFY(c.env.db().exists(QStringLiteral("SELECT 1 FROM Gift WHERE ID = ?"), { loaded.id }));
}

void TestGiftEntry::closedBatchRefusesEverySave()
{
    Church c;
    const qint64 id = c.batchWith({ c.gift(c.hale, 1000) });
    QVERIFY(closeBatch(c.env.db(), id, QStringLiteral("carl"), c.env.clock.now()));
    QVERIFY(!closeBatch(c.env.db(), id, QStringLiteral("ann"), c.env.clock.now()));
    const EntryGift loaded = batchGifts(c.env.db(), id).front();
    EntryGift changed = loaded;
    changed.lines.front().cents = 1;

    for (int kind = 0; kind < 3; ++kind) {
        BatchChanges b;
        b.batch = *batch(c.env.db(), id);
        b.batch.controlCents = 99;
        if (kind == 0)
            b.added = { c.gift(c.bell, 500) };
        else if (kind == 1)
            b.changed = { { loaded, changed } };
        else
            b.removed = { loaded.id };
        const BatchSaveOutcome outcome
            = saveBatch(c.env.db(), b, threeway::OnConflict::KeepMine, QStringLiteral("ann"), c.env.clock.now());
        QCOMPARE(outcome.closedBy, QStringLiteral("carl"));
        QCOMPARE(c.stored(id), QStringList { QStringLiteral("%1:1000").arg(c.hale) });
        QCOMPARE(batch(c.env.db(), id)->controlCents, 0);
    }
}

void TestGiftEntry::reopeningIsRecorded()
{
    Church c;
    const qint64 id = c.batchWith({});
    QVERIFY(!reopenBatch(c.env.db(), id, QStringLiteral("why"), QStringLiteral("ann"), c.env.clock.now()));
    QVERIFY(closeBatch(c.env.db(), id, QStringLiteral("ann"), c.env.clock.now()));
    QVERIFY(
        reopenBatch(c.env.db(), id, QStringLiteral("A check was missed"), QStringLiteral("admin"), c.env.clock.now()));
    QVERIFY(!batch(c.env.db(), id)->closed);
    QCOMPARE(c.env.db().texts(QStringLiteral("SELECT Reopened_By || '/' || Reason FROM Gift_Batch_Reopening WHERE "
                                             "Batch_ID = ?"),
                 { id }),
        QStringList { "admin/A check was missed" });
}

void TestGiftEntry::aReturnedGiftNetsToNothing_data()
{
    QTest::addColumn<bool>("openBatch");
    QTest::newRow("into the open batch") << true;
    QTest::newRow("into a new batch") << false;
}

// A check of a closed batch bounces in the next year: the reversal goes
// into an open batch and the year's statement of the check nets it away.
void TestGiftEntry::aReturnedGiftNetsToNothing()
{
    QFETCH(bool, openBatch);
    Church c;
    const qint64 closed = c.batchWith({ c.gift(c.hale, 1000), c.gift(c.hale, 2500) });
    QVERIFY(closeBatch(c.env.db(), closed, QStringLiteral("ann"), c.env.clock.now()));
    const qint64 open = openBatch ? c.batchWith({}) : 0;
    const qint64 check = batchGifts(c.env.db(), closed).front().id;
    const qint64 into = returnGift(c.env.db(), check, QDate(2027, 1, 8), QStringLiteral("ann"), c.env.clock.now());
    QVERIFY(into != closed);
    if (openBatch)
        QCOMPARE(into, open);
    const std::vector<EntryGift> reversal = batchGifts(c.env.db(), into);
    QCOMPARE(int(reversal.size()), 1);
    QCOMPARE(reversal.front().reversesId, check);
    QCOMPARE(reversal.front().cents(), -1000);
    QVERIFY_THROWS_EXCEPTION(
        Error, returnGift(c.env.db(), check, QDate(2027, 1, 8), QStringLiteral("ann"), c.env.clock.now()));
    QVERIFY_THROWS_EXCEPTION(Error,
        returnGift(c.env.db(), reversal.front().id, QDate(2027, 1, 8), QStringLiteral("ann"), c.env.clock.now()));
    const giving::Statement s = readStatement(c.env.db(), giving::Unit { { c.hale } },
        giving::Period { QDate(2026, 1, 1), QDate(2026, 12, 31) }, readFunds(c.env.db()));
    QCOMPARE(s.total, 2500);
}

// Hale holds envelope 12 and Bell 40 (see Church); Bell asks for another.
void TestGiftEntry::envelopeUniqueAmongActivePeople_data()
{
    QTest::addColumn<qint64>("wanted");
    QTest::addColumn<bool>("haleDeceased");
    QTest::addColumn<bool>("stored");
    QTest::newRow("a free number") << qint64(77) << false << true;
    QTest::newRow("his own") << qint64(40) << false << true;
    QTest::newRow("none") << qint64(0) << false << true;
    QTest::newRow("an active person's") << qint64(12) << false << false;
    QTest::newRow("a deceased person's") << qint64(12) << true << true;
}

void TestGiftEntry::envelopeUniqueAmongActivePeople()
{
    QFETCH(qint64, wanted);
    QFETCH(bool, haleDeceased);
    QFETCH(bool, stored);
    Church c;
    if (haleDeceased)
        c.env.db().exec(QStringLiteral("UPDATE Member SET Deceased_Date = '2025-05-01' WHERE ID = ?"), { c.hale });
    QCOMPARE(saveGiver(c.env.db(), c.bell, wanted, true), stored ? 0 : c.hale);
    QCOMPARE(envelopeOf(c.env.db(), c.bell), stored ? wanted : 40);
    QCOMPARE(givesAlone(c.env.db(), c.bell), stored);
    QCOMPARE(personByEnvelope(c.env.db(), 12), haleDeceased ? (stored ? c.bell : 0) : c.hale);
}

// The counting team's way: envelope, Enter, amount, Enter; Ctrl+D repeats
// the last amount; a split; Save stores the batch at once. Real key events,
// as the rule is about where Enter and the focus go.
void TestGiftEntry::keyboardOnlyEntry()
{
    Church c;
    c.env.loginAs(c.hale, QStringLiteral("Admin"), QStringLiteral("ann"));
    MDI main;
    setWorkspace(main.workspace());
    giving::registerScreens(*main.workspace());
    main.show();
    QWidget* screen = main.workspace()->openWithoutTest(QStringLiteral("frmGiftEntry"));
    QVERIFY(QTest::qWaitForWindowActive(&main));
    auto* envelope = control<QLineEdit>(screen, "txtEnvelope");
    auto* amount = control<QLineEdit>(screen, "txtAmount");
    control<QLineEdit>(screen, "txtControlTotal")->setText(QStringLiteral("100.40"));
    control<QLineEdit>(screen, "txtControlCount")->setText(QStringLiteral("3"));

    envelope->setFocus();
    QTest::keyClicks(envelope, QStringLiteral("12"));
    QTest::keyClick(envelope, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), amount);
    QVERIFY(control<QLabel>(screen, "lblGiver")->text().contains(QStringLiteral("Salem")));
    QTest::keyClicks(amount, QStringLiteral("0.10"));
    QTest::keyClick(amount, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), envelope);
    QVERIFY(envelope->text().isEmpty());

    // Bell: the same amount again, split with the building fund.
    QTest::keyClicks(envelope, QStringLiteral("40"));
    QTest::keyClick(envelope, Qt::Key_Return);
    QTest::keyClick(amount, Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(amount->text(), QStringLiteral("0.10"));
    QTest::mouseClick(control<QPushButton>(screen, "btnSplit"), Qt::LeftButton);
    auto* fund = control<QComboBox>(screen, "cmbFund");
    fund->setCurrentIndex(fund->findText(QStringLiteral("Building")));
    QTest::keyClicks(amount, QStringLiteral("0.20"));
    QTest::keyClick(amount, Qt::Key_Return);
    auto* variance = control<QLabel>(screen, "lblVariance");
    QVERIFY(!variance->styleSheet().isEmpty());

    // The loose offering, chosen by name.
    auto* giver = control<QComboBox>(screen, "cmbGiver");
    giver->setCurrentIndex(giver->findText(QStringLiteral("Loose offering")));
    QTest::keyClicks(amount, QStringLiteral("$100"));
    QTest::keyClick(amount, Qt::Key_Return);
    QVERIFY2(variance->styleSheet().isEmpty(), qPrintable(variance->text()));
    QVERIFY(screen->windowTitle().endsWith(QLatin1Char('*')));
    QVERIFY(!c.env.db().exists(QStringLiteral("SELECT 1 FROM Gift")));

    QTest::mouseClick(control<QPushButton>(screen, "btnSave"), Qt::LeftButton);
    QCOMPARE(c.env.messages.count(), 0);
    QCOMPARE(c.env.db().texts(QStringLiteral("SELECT COALESCE(g.Member_ID, 0) || ':' || l.Fund_ID || ':' || "
                                             "l.Amount_Cents FROM Gift AS g JOIN Gift_Line AS l ON l.Gift_ID = g.ID "
                                             "ORDER BY l.ID")),
        (QStringList { QStringLiteral("%1:%2:10").arg(c.hale).arg(c.general),
            QStringLiteral("%1:%2:10").arg(c.bell).arg(c.general),
            QStringLiteral("%1:%2:20").arg(c.bell).arg(c.building), QStringLiteral("0:%1:10000").arg(c.building) }));
    QVERIFY(!screen->windowTitle().endsWith(QLatin1Char('*')));
    setWorkspace(nullptr);
}

// A real message box takes the focus; after "not an amount" the cursor is
// back in the amount, the text kept, and the next Enter goes on from there.
void TestGiftEntry::aRefusedAmountKeepsTheFocus()
{
    Church c;
    c.env.loginAs(c.hale, QStringLiteral("Admin"), QStringLiteral("ann"));
    MDI main;
    setWorkspace(main.workspace());
    giving::registerScreens(*main.workspace());
    main.show();
    QWidget* screen = main.workspace()->openWithoutTest(QStringLiteral("frmGiftEntry"));
    test::RealMessageBoxes boxes;
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    auto* envelope = control<QLineEdit>(screen, "txtEnvelope");
    auto* amount = control<QLineEdit>(screen, "txtAmount");
    envelope->setFocus();
    QTest::keyClicks(envelope, QStringLiteral("12"));
    QTest::keyClick(envelope, Qt::Key_Return);
    QTest::keyClicks(amount, QStringLiteral("12,5x"));
    QTest::keyClick(amount, Qt::Key_Return);
    QCOMPARE(
        boxes.shown, QStringList { QStringLiteral("Gift Entry: \"12,5x\" is not an amount of money more than zero.") });
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTRY_VERIFY(amount->hasFocus());
    QCOMPARE(amount->text(), QStringLiteral("12,5x"));
    amount->setText(QStringLiteral("12.50"));
    QTest::keyClick(amount, Qt::Key_Return);
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(qobject_cast<frmGiftEntry*>(screen)->gifts().size(), std::size_t(1));
    QTRY_VERIFY(envelope->hasFocus());
    setWorkspace(nullptr);
}

void TestGiftEntry::closingWithAVarianceAsks()
{
    Church c;
    c.env.loginAs(c.hale, QStringLiteral("Admin"), QStringLiteral("ann"));
    const qint64 id = c.batchWith({ c.gift(c.hale, 1000) });
    MDI main;
    setWorkspace(main.workspace());
    giving::registerScreens(*main.workspace());
    QWidget* screen = main.workspace()->openWithoutTest(QStringLiteral("frmGiftEntry"));
    QCOMPARE(control<QComboBox>(screen, "cmbBatch")->currentData().toLongLong(), id);

    c.env.messages.answers = { Answer::No, Answer::Yes };
    QTest::mouseClick(control<QPushButton>(screen, "btnCloseBatch"), Qt::LeftButton);
    QCOMPARE(c.env.messages.last().text,
        QStringLiteral("The batch's gifts come to 10.00 in 1 gift(s), but its control total is 0.00 in 0 gift(s). "
                       "Close it anyway?"));
    QVERIFY(!batch(c.env.db(), id)->closed);
    QTest::mouseClick(control<QPushButton>(screen, "btnCloseBatch"), Qt::LeftButton);
    QVERIFY(batch(c.env.db(), id)->closed);
    QVERIFY(!control<QPushButton>(screen, "btnEnterGift")->isEnabled());
    setWorkspace(nullptr);
}

// A saved gift edited in the entry row and another removed: one save writes
// both, and switching batches with unsaved changes asks first.
void TestGiftEntry::editAndRemoveSavedGifts()
{
    Church c;
    c.env.loginAs(c.hale, QStringLiteral("Admin"), QStringLiteral("ann"));
    const qint64 id = c.batchWith({ c.gift(c.hale, 1000), c.gift(c.bell, 700) });
    MDI main;
    setWorkspace(main.workspace());
    giving::registerScreens(*main.workspace());
    auto* screen = qobject_cast<frmGiftEntry*>(main.workspace()->openWithoutTest(QStringLiteral("frmGiftEntry")));
    QVERIFY(screen);
    auto* grid = control<QTableWidget>(screen, "grdGifts");
    grid->setCurrentCell(0, 0);
    QTest::mouseClick(control<QPushButton>(screen, "btnEditGift"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(screen, "txtAmount")->text(), QStringLiteral("10.00"));
    control<QLineEdit>(screen, "txtAmount")->setText(QStringLiteral("12.34"));
    QTest::mouseClick(control<QPushButton>(screen, "btnEnterGift"), Qt::LeftButton);
    grid->setCurrentCell(1, 0);
    QTest::mouseClick(control<QPushButton>(screen, "btnRemoveGift"), Qt::LeftButton);
    QCOMPARE(grid->rowCount(), 1);

    // Another batch while these changes are unsaved: Cancel stays.
    c.env.messages.choices = { QStringLiteral("Cancel") };
    QTest::mouseClick(control<QPushButton>(screen, "btnNewBatch"), Qt::LeftButton);
    QCOMPARE(control<QComboBox>(screen, "cmbBatch")->currentData().toLongLong(), id);
    QCOMPARE(grid->rowCount(), 1);

    QVERIFY(screen->save());
    QCOMPARE(c.stored(id), QStringList { QStringLiteral("%1:1234").arg(c.hale) });
    setWorkspace(nullptr);
}

void TestGiftEntry::goodsAndValueReceived_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("goods");
    QTest::addColumn<QString>("returned");
    QTest::addColumn<QString>("stored"); // cents|goods|returned, or the refusal
    QTest::newRow("goods alone") << ""
                                 << "A used piano"
                                 << ""
                                 << "0|A used piano|0";
    QTest::newRow("a banquet ticket") << "100"
                                      << ""
                                      << "40"
                                      << "10000||4000";
    QTest::newRow("goods with an amount") << "5"
                                          << "A used piano"
                                          << ""
                                          << "A gift of goods has no amount. Clear the amount, or the goods.";
    QTest::newRow("more received than given")
        << "10"
        << ""
        << "12"
        << "What the giver received in return (\"12\") must be an amount no more than the gift.";
}

// The entry row's gift of goods and value received in return, as saved.
void TestGiftEntry::goodsAndValueReceived()
{
    QFETCH(QString, amount);
    QFETCH(QString, goods);
    QFETCH(QString, returned);
    QFETCH(QString, stored);
    Church c;
    c.env.loginAs(c.hale, QStringLiteral("Admin"), QStringLiteral("ann"));
    MDI main;
    setWorkspace(main.workspace());
    giving::registerScreens(*main.workspace());
    auto* screen = qobject_cast<frmGiftEntry*>(main.workspace()->openWithoutTest(QStringLiteral("frmGiftEntry")));
    QVERIFY(screen);
    control<QLineEdit>(screen, "txtEnvelope")->setText(QStringLiteral("12"));
    control<QLineEdit>(screen, "txtEnvelope")->setModified(true);
    control<QLineEdit>(screen, "txtAmount")->setText(amount);
    control<QLineEdit>(screen, "txtGoods")->setText(goods);
    control<QLineEdit>(screen, "txtReturned")->setText(returned);
    QTest::mouseClick(control<QPushButton>(screen, "btnEnterGift"), Qt::LeftButton);
    QVERIFY(screen->save());
    const QStringList rows = c.env.db().texts(
        QStringLiteral("SELECT COALESCE((SELECT SUM(Amount_Cents) FROM Gift_Line WHERE Gift_ID = g.ID), 0) || '|' || "
                       "COALESCE(Goods_Description, '') || '|' || Value_Returned_Cents FROM Gift AS g"));
    QCOMPARE(rows.isEmpty() ? c.env.messages.last().text : rows.join(QLatin1Char(',')), stored);
    setWorkspace(nullptr);
}

// A pledge typed on the Giving tab is stored at once and listed; one that
// ends before it starts is refused.
void TestGiftEntry::pledgeAddedOnTheGivingTab()
{
    Church c;
    c.env.loginAs(c.hale, QStringLiteral("Admin"), QStringLiteral("ann"));
    members::frmMemberEntry screen;
    QVERIFY(screen.LoadMember(c.bell));
    auto* fund = control<QComboBox>(&screen, "cmbPledgeFund");
    fund->setCurrentIndex(fund->findText(QStringLiteral("Building")));
    control<QLineEdit>(&screen, "txtPledgeAmount")->setText(QStringLiteral("1,500"));
    control<QDateEdit>(&screen, "dtPledgeEnd")->setDate(QDate(2025, 12, 31));
    QTest::mouseClick(control<QPushButton>(&screen, "btnAddPledge"), Qt::LeftButton);
    QCOMPARE(c.env.messages.last().text, QStringLiteral("The pledge ends (12/31/2025) before it starts (1/1/2026)."));
    QVERIFY(!c.env.db().exists(QStringLiteral("SELECT 1 FROM Pledge")));
    control<QDateEdit>(&screen, "dtPledgeEnd")->setDate(QDate(2028, 12, 31));
    // Enter in the amount adds it, as the button does.
    QTest::keyClick(control<QLineEdit>(&screen, "txtPledgeAmount"), Qt::Key_Return);
    QCOMPARE(c.env.db().texts(QStringLiteral("SELECT Fund_ID || ':' || Start_Date || ':' || End_Date || ':' || "
                                             "Amount_Cents FROM Pledge WHERE Member_ID = ?"),
                 { c.bell }),
        QStringList { QStringLiteral("%1:2026-01-01:2028-12-31:150000").arg(c.building) });
    QCOMPARE(control<QTreeWidget>(&screen, "lstPledges")->topLevelItemCount(), 1);
    QVERIFY(!screen.windowTitle().endsWith(QLatin1Char('*')));
}

void TestGiftEntry::fundsAreCheckedBeforeAnyIsSaved_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("refusal"); // empty: saved
    QTest::newRow("a new fund") << "Missions"
                                << "3"
                                << "";
    QTest::newRow("no name") << ""
                             << "3"
                             << "Every fund needs a name.";
    QTest::newRow("a name twice") << "GENERAL"
                                  << "3"
                                  << "There are two funds named \"GENERAL\".";
    QTest::newRow("an order not a number") << "Missions"
                                           << "third"
                                           << "A fund's order is a whole number.";
}

// A new row is added to the two funds and General is made inactive; a
// refusal writes nothing, not even the other row's change.
void TestGiftEntry::fundsAreCheckedBeforeAnyIsSaved()
{
    QFETCH(QString, name);
    QFETCH(QString, order);
    QFETCH(QString, refusal);
    Church c;
    c.env.loginAs(c.hale, QStringLiteral("Admin"), QStringLiteral("ann"));
    frmFunds screen;
    auto* grid = control<QTableWidget>(&screen, "grdFunds");
    QCOMPARE(grid->rowCount(), 2);
    grid->item(0, 2)->setCheckState(Qt::Unchecked);
    QTest::mouseClick(control<QPushButton>(&screen, "btnAddFund"), Qt::LeftButton);
    grid->item(2, 0)->setText(name);
    grid->item(2, 4)->setText(order);
    QVERIFY(screen.windowTitle().endsWith(QLatin1Char('*')));
    QCOMPARE(screen.save(), refusal.isEmpty());
    QCOMPARE(c.env.messages.last().text, refusal);
    const QStringList expected = refusal.isEmpty() ? QStringList { "General:0", "Building:1", "Missions:1" }
                                                   : QStringList { "General:1", "Building:1" };
    QCOMPARE(c.env.db().texts(QStringLiteral("SELECT Name || ':' || Active FROM Fund ORDER BY ID")), expected);
}

// Escape in a cell being typed undoes the typing only; Escape on the grid
// is Exit, which asks about the row not saved (Cancel keeps the window).
void TestGiftEntry::escapeInTheFundsGrid()
{
    Church c;
    c.env.loginAs(c.hale, QStringLiteral("Admin"), QStringLiteral("ann"));
    frmFunds screen;
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto* grid = control<QTableWidget>(&screen, "grdFunds");
    QTest::mouseClick(control<QPushButton>(&screen, "btnAddFund"), Qt::LeftButton);
    grid->setCurrentCell(2, 0);
    grid->editItem(grid->item(2, 0));
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor && editor != grid);
    QTest::keyClicks(editor, QStringLiteral("Missions"));
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(screen.isVisible());
    QCOMPARE(grid->item(2, 0)->text(), QString());
    QCOMPARE(c.env.messages.count(), 0);
    c.env.messages.choices = { QStringLiteral("Cancel") };
    QTest::keyClick(grid, Qt::Key_Escape);
    QCOMPARE(c.env.messages.count(), 1);
    QVERIFY(screen.isVisible());
}

void TestGiftEntry::givingMenuOnlyWithGivingView_data()
{
    QTest::addColumn<QString>("permission");
    QTest::addColumn<bool>("shown");
    QTest::newRow("Giving View") << perm::GivingView << true;
    QTest::newRow("Giving Entry/Edit alone") << perm::GivingEntry << false;
    QTest::newRow("Member Entry/Edit") << perm::MemberEntry << false;
}

void TestGiftEntry::givingMenuOnlyWithGivingView()
{
    QFETCH(QString, permission);
    QFETCH(bool, shown);
    test::TestEnv env;
    MDI main;
    main.lock();
    auto* giving = main.menuBar()->findChild<QMenu*>(QStringLiteral("Giving"));
    QVERIFY(giving);
    QVERIFY(!giving->menuAction()->isVisible());
    env.loginWithOnly(permission);
    main.unlock();
    QCOMPARE(giving->menuAction()->isVisible(), shown);
    main.lock();
    QVERIFY(!giving->menuAction()->isVisible());
}

void TestGiftEntry::givingTabOnlyWithGivingView_data()
{
    QTest::addColumn<QString>("permission");
    QTest::addColumn<bool>("shown");
    QTest::newRow("Giving View") << perm::GivingView << true;
    QTest::newRow("Member View") << perm::MemberView << false;
}

// The tab shows the person's own gifts of the year chosen, a returned
// check netted, and the totals per fund (amounts in the test run's locale,
// which has no currency symbol).
void TestGiftEntry::givingTabOnlyWithGivingView()
{
    QFETCH(QString, permission);
    QFETCH(bool, shown);
    Church c;
    c.env.clock.current = QDateTime(QDate(2027, 2, 1), QTime(9, 0));
    const qint64 id = c.batchWith({ c.gift(c.hale, 2500), c.gift(c.hale, 1000, c.building), c.gift(c.bell, 700) });
    const qint64 returned = batchGifts(c.env.db(), id).at(1).id;
    const qint64 back = c.env.db().insert(
        QStringLiteral("INSERT INTO Gift (Batch_ID, Member_ID, Gift_Date, Method, Reverses_Gift_ID) VALUES (?, ?, "
                       "'2027-01-10', 'Check', ?)")
            + sql::returningId(),
        { id, c.hale, returned });
    c.env.db().exec(QStringLiteral("INSERT INTO Gift_Line (Gift_ID, Fund_ID, Amount_Cents) VALUES (?, ?, -1000)"),
        { back, c.building });
    c.env.loginWithOnly(permission);
    members::frmMemberEntry screen;
    auto* tabs = control<QTabWidget>(&screen, "SSTab1");
    QCOMPARE(tabs->tabText(tabs->count() - 1) == QLatin1String("Giving"), shown);
    if (!shown)
        return;
    QVERIFY(screen.LoadMember(c.hale));
    auto* year = control<QComboBox>(&screen, "cmbGivingYear");
    QCOMPARE(year->currentText(), QStringLiteral("2027"));
    QCOMPARE(control<QTreeWidget>(&screen, "lstGifts")->topLevelItemCount(), 0);
    year->setCurrentIndex(year->findText(QStringLiteral("2026")));
    emit year->activated(year->currentIndex());
    auto* totals = control<QTreeWidget>(&screen, "lstFundTotals");
    QStringList rows;
    for (int i = 0; i < totals->topLevelItemCount(); ++i)
        rows.append(totals->topLevelItem(i)->text(0) + QLatin1Char('=') + totals->topLevelItem(i)->text(1));
    // The returned check is listed against its gift and nets its fund away.
    QCOMPARE(rows, (QStringList { "General=25.00", "Building=0.00" }));
    QStringList amounts;
    auto* gifts = control<QTreeWidget>(&screen, "lstGifts");
    for (int i = 0; i < gifts->topLevelItemCount(); ++i)
        amounts.append(gifts->topLevelItem(i)->text(2));
    QCOMPARE(amounts, (QStringList { "25.00", "10.00", "-10.00" }));
    QCOMPARE(control<QLabel>(&screen, "lblGivingTotal")->text(), QStringLiteral("Given in 2026: 25.00"));
}

QTEST_MAIN(TestGiftEntry)
#include "tst_giftentry.moc"
