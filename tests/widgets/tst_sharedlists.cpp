#include "Screens.h"

#include "widgets/FormHelpers.h"
#include "widgets/PickList.h"
#include "widgets/SharedLists.h"
#include "app/Workspace.h"

#include <QComboBox>
#include <QMdiArea>
#include <QSignalSpy>
#include <QtTest>

using namespace pw;
using test::TestEnv;

namespace {

struct Lists : test::WorkspaceFixture {
    SharedLists& lists() { return *ws.lists(); }
};

} // namespace

class TestSharedLists : public QObject {
    Q_OBJECT
private slots:
    void peopleReadOnceUntilStale_data();
    void peopleReadOnceUntilStale();
    void refillKeepsOrClearsChoice_data();
    void refillKeepsOrClearsChoice();
    void peopleListForms();
};

void TestSharedLists::peopleReadOnceUntilStale_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("peopleFresh");
    QTest::addColumn<bool>("classesFresh");
    QTest::newRow("nothing announced") << "none" << false << false;
    QTest::newRow("a person saved here") << "membersChanged" << true << true;
    QTest::newRow("a class saved here") << "lookupsChanged" << false << true;
    QTest::newRow("another workstation wrote") << "other" << true << true;
}

// Every screen reads people through the shared list; it is read again only
// when a change makes it stale, also a change made by another program.
void TestSharedLists::peopleReadOnceUntilStale()
{
    QFETCH(QString, change);
    QFETCH(bool, peopleFresh);
    QFETCH(bool, classesFresh);
    Lists l;
    l.env.addMember(QStringLiteral("Ann"), QStringLiteral("Able"));
    const auto first = l.lists().people();
    QCOMPARE(first->size(), 1);
    QCOMPARE(l.lists().people(), first);
    QCOMPARE(l.lists().items(SharedLists::List::SundaySchoolClasses).size(), 0);

    if (change == QLatin1String("other")) {
        auto other = Database::open(l.env.db().path(), Database::OpenMode::ExistingOnly);
        other->exec(QStringLiteral("INSERT INTO Member (First_Name, Last_Name) VALUES ('Bea', 'Best')"));
        other->exec(QStringLiteral("INSERT INTO Sunday_School (Name) VALUES ('Adults')"));
    } else {
        l.env.addMember(QStringLiteral("Bea"), QStringLiteral("Best"));
        l.env.db().exec(QStringLiteral("INSERT INTO Sunday_School (Name) VALUES ('Adults')"));
        if (change == QLatin1String("membersChanged"))
            emit l.ws.membersChanged();
        else if (change == QLatin1String("lookupsChanged"))
            emit l.ws.lookupsChanged();
    }
    QCOMPARE(l.lists().people()->size(), peopleFresh ? 2 : 1);
    QCOMPARE(first->size(), 1); // a list handed out earlier stays as it was
    QCOMPARE(l.lists().items(SharedLists::List::SundaySchoolClasses).size(), classesFresh ? 1 : 0);
}

void TestSharedLists::refillKeepsOrClearsChoice_data()
{
    QTest::addColumn<bool>("keep");
    QTest::addColumn<bool>("stillThere");
    QTest::addColumn<int>("chosenAfter"); // identifier chosen after the refill, 0 for none
    QTest::addColumn<int>("announced");
    QTest::newRow("kept and still there") << true << true << 7 << 0;
    QTest::newRow("kept but gone") << true << false << 0 << 1;
    QTest::newRow("cleared") << false << true << 0 << 1;
}

void TestSharedLists::refillKeepsOrClearsChoice()
{
    QFETCH(bool, keep);
    QFETCH(bool, stillThere);
    QFETCH(int, chosenAfter);
    QFETCH(int, announced);
    TestEnv env;
    QComboBox combo;
    fillPickList(&combo, { { QStringLiteral("Adults"), 3 }, { QStringLiteral("Youth"), 7 } });
    QVERIFY(selectById(&combo, 7));
    QSignalSpy changes(&combo, qOverload<int>(&QComboBox::currentIndexChanged));
    QVector<PickItem> after = { { QStringLiteral("Babies"), 1 }, { QStringLiteral("Adults"), 3 } };
    if (stillThere)
        after.append({ QStringLiteral("Youth (renamed)"), 7 });
    fillPickList(&combo, after, keep ? Choice::Keep : Choice::Clear);
    QCOMPARE(selectedId(&combo), qint64(chosenAfter));
    QCOMPARE(changes.count(), announced);
    if (announced)
        QCOMPARE(changes.last().at(0).toInt(), -1);
}

void TestSharedLists::peopleListForms()
{
    Lists l;
    const qint64 head = l.env.addMember(QStringLiteral("Hal"), QStringLiteral("Head"));
    const qint64 kid = l.env.addMember(QStringLiteral("Kim"), QStringLiteral("Head"));
    l.env.db().exec(QStringLiteral("UPDATE Member SET Head_Of_Household = 1, Title = 'Mr.' WHERE ID = ?"), { head });
    QComboBox withTitle, relatives;
    fillPeopleList(&withTitle, NameForm::WithTitle, People::Everyone, Choice::Clear,
        { { QStringLiteral("***All***"), 0 } });
    fillPeopleList(&relatives, NameForm::WithoutTitle, People::NotHeadsOfHousehold);
    QCOMPARE(withTitle.count(), 3);
    QCOMPARE(withTitle.itemText(0), QStringLiteral("***All***"));
    QCOMPARE(withTitle.itemText(1), QStringLiteral("Head, Hal  Mr."));
    QCOMPARE(relatives.count(), 1);
    QCOMPARE(relatives.itemText(0), QStringLiteral("Head, Kim "));
    QVERIFY(selectById(&withTitle, kid));
    QCOMPARE(withTitle.currentIndex(), 2);
    QVERIFY(!selectById(&relatives, head));
}

QTEST_MAIN(TestSharedLists)
#include "tst_sharedlists.moc"
