#include "TestSupport.h"

#include "app/Workspace.h"
#include "data/Members.h"
#include "members/Screens.h"
#include "members/frmMergePeople.h"

#include <QMdiArea>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace pw;
using test::TestEnv;

class TestMergePeople : public QObject {
    Q_OBJECT
private slots:
    void chosenValuesStayOnTheKeptRecord();
};

namespace {

qint64 person(TestEnv& env, const QString& first, const QString& phone, const QString& email, const QString& edited)
{
    const qint64 id = env.addMember(first, QStringLiteral("Hale"));
    env.db().exec(QStringLiteral("UPDATE Member SET Phone = ?, Email = ?, Date_Edited = ? WHERE ID = ?"),
        { phone, email, edited, id });
    return id;
}

} // namespace

// The value given where only one record has one, the newer record's where
// both do, and what the user clicks instead.
void TestMergePeople::chosenValuesStayOnTheKeptRecord()
{
    TestEnv env;
    QMdiArea area;
    Workspace ws(&area);
    members::registerScreens(ws);
    ctx().workspace = &ws;
    area.resize(1000, 700);
    area.show();
    env.loginAs(env.addMember(QStringLiteral("Clara"), QStringLiteral("Clerk")), QStringLiteral("Admin"));
    const qint64 kept = person(env, QStringLiteral("Margaret"), QString(), QStringLiteral("old@hale.org"),
        QStringLiteral("2020-01-01T10:00:00"));
    const qint64 removed = person(env, QStringLiteral("Margret"), QStringLiteral("5551234567"),
        QStringLiteral("new@hale.org"), QStringLiteral("2025-01-01T10:00:00"));
    auto* form = qobject_cast<members::frmMergePeople*>(ws.open(QStringLiteral("frmMergePeople")));
    QVERIFY(form);
    form->choose(kept, removed);
    auto* grid = test::control<QTableWidget>(form, "vsfgFields");
    const auto rowOf = [&](const QString& caption) {
        for (int row = 0; row < grid->rowCount(); ++row)
            if (grid->item(row, 0)->text() == caption)
                return row;
        return -1;
    };
    const int firstName = rowOf(QStringLiteral("First Name"));
    QCOMPARE(grid->item(firstName, 2)->checkState(), Qt::Checked); // the newer edit
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(firstName, 1)).center());
    QCOMPARE(grid->item(firstName, 1)->checkState(), Qt::Checked);

    QTest::mouseClick(test::control<QPushButton>(form, "btnMerge"), Qt::LeftButton);
    QVERIFY(env.messages.last().question);
    const MemberRecord stays = *Members::load(env.db(), kept);
    QCOMPARE(stays.firstName, QStringLiteral("Margaret"));
    QCOMPARE(stays.phone, QStringLiteral("5551234567"));
    QCOMPARE(stays.email, QStringLiteral("new@hale.org"));
    QCOMPARE(stays.editedBy, QStringLiteral("tester"));
    QVERIFY(!Members::load(env.db(), removed));
    ctx().workspace = nullptr;
}

QTEST_MAIN(TestMergePeople)
#include "tst_mergepeople.moc"
