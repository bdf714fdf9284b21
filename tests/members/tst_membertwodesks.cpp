// Two workstations on one database file: the member screen on this one, a
// second connection standing for the other. A save keeps the other's
// changes, asks when both changed the same field, and the family and
// responsibility frames never remove or overwrite a row they did not show.

#include "Screens.h"

#include "widgets/FormHelpers.h"
#include "members/frmMemberEntry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace pw;
using members::frmMemberEntry;

namespace {

const QString kCaption = QStringLiteral("Member Entry/Edit");

struct TwoDesks : test::WorkspaceFixture {
    std::unique_ptr<Database> other; // the other workstation
    qint64 clerk = 0;
    qint64 son = 0;
    qint64 otto = 0;
    QPointer<frmMemberEntry> form;

    TwoDesks()
    {
        clerk = env.addMember(QStringLiteral("Clara"), QStringLiteral("Clerk"));
        son = env.addMember(QStringLiteral("Sam"), QStringLiteral("Clerk"));
        otto = env.addMember(QStringLiteral("Otto"), QStringLiteral("Other"));
        env.db().exec(QStringLiteral("UPDATE Member SET Head_Of_Household = 1, City = 'Ada' WHERE ID = ?"), { clerk });
        env.db().exec(QStringLiteral("INSERT INTO Family_Connection VALUES (?, 'Son', ?)"), { clerk, son });
        env.db().exec(QStringLiteral("INSERT INTO Responsibilities (Name, Description) VALUES ('Usher', 'Greets')"));
        env.db().exec(QStringLiteral("INSERT INTO Member_Responsibility VALUES (?, 'Usher', '2020-01-01', "
                                     "'2020-12-31')"),
            { clerk });
        env.loginAs(clerk, QStringLiteral("Admin"), QStringLiteral("clerk"));
        other = Database::open(env.db().path(), Database::OpenMode::ExistingOnly);
        area.resize(1200, 760);
        form = ws.open<frmMemberEntry>();
        area.show();
        form->LoadMember(clerk);
    }

    template <class T> T* control(const QString& name) { return test::control<T>(form, name); }
    // The other workstation saves these columns of the clerk's row, as "pastor".
    void theyChange(const QVariantMap& columns)
    {
        QStringList sets;
        QVariantList values;
        for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
            sets << it.key() + QStringLiteral(" = ?");
            values << it.value();
        }
        values << clerk;
        other->exec(QStringLiteral("UPDATE Member SET %1, Edited_By = 'pastor', Date_Edited = '2026-03-15T10:31:00' "
                                   "WHERE ID = ?")
                        .arg(sets.join(QStringLiteral(", "))),
            values);
    }
    QString stored(const QString& column)
    {
        return other->scalar(QStringLiteral("SELECT %1 FROM Member WHERE ID = ?").arg(column), { clerk }).toString();
    }
    QString shown(const QString& name)
    {
        if (auto* box = form->findChild<QPlainTextEdit*>(name))
            return box->toPlainText();
        return control<QLineEdit>(name)->text();
    }
    void type(const QVariantMap& boxes)
    {
        for (auto it = boxes.cbegin(); it != boxes.cend(); ++it) {
            if (auto* box = form->findChild<QPlainTextEdit*>(it.key()))
                box->setPlainText(it.value().toString());
            else if (it.key().startsWith(QLatin1String("txtCell")))
                setPhoneDigits(control<QLineEdit>(it.key()), it.value().toString());
            else
                control<QLineEdit>(it.key())->setText(it.value().toString());
        }
    }
    int questions() const
    {
        int n = 0;
        for (const auto& e : env.messages.entries)
            n += e.buttons.contains(QStringLiteral("Keep theirs")) ? 1 : 0;
        return n;
    }
    QStringList gridColumn(const char* grid, int column)
    {
        return test::columnTexts(control<QTableView>(QString::fromLatin1(grid))->model(), column);
    }
};

} // namespace

class TestMemberTwoDesks : public QObject {
    Q_OBJECT
private slots:
    void saveOverTheOtherWorkstation_data();
    void saveOverTheOtherWorkstation();
    void personRemovedMeanwhile();
    void familyChangedUnderneath_data();
    void familyChangedUnderneath();
    void responsibilitiesChangedUnderneath_data();
    void responsibilitiesChangedUnderneath();
};

void TestMemberTwoDesks::saveOverTheOtherWorkstation_data()
{
    QTest::addColumn<QVariantMap>("theirs"); // columns the other workstation saved meanwhile
    QTest::addColumn<QVariantMap>("mine"); // boxes typed on this screen
    QTest::addColumn<QString>("answer"); // to the question; empty: none expected
    QTest::addColumn<QVariantMap>("stored"); // columns afterwards
    QTest::addColumn<QVariantMap>("screen"); // boxes afterwards

    QTest::newRow("they change Cell and Notes, I change Address2: all kept")
        << QVariantMap { { "Cell", "9015550199" }, { "Notes", "Moved to the choir" } }
        << QVariantMap { { "txtAddress2", "Suite 200" } } << ""
        << QVariantMap { { "Cell", "9015550199" }, { "Notes", "Moved to the choir" }, { "Address_2", "Suite 200" } }
        << QVariantMap { { "txtCell", "(901) 555-0199" }, { "txtNotes", "Moved to the choir" },
               { "txtAddress2", "Suite 200" } };
    QTest::newRow("they change City, I change Zip: both kept")
        << QVariantMap { { "City", "Nashville" } } << QVariantMap { { "txtZip", "38104" } } << ""
        << QVariantMap { { "City", "Nashville" }, { "Zip", "38104" } }
        << QVariantMap { { "txtCity", "Nashville" }, { "txtZip", "38104" } };
    QTest::newRow("both change City: Keep theirs")
        << QVariantMap { { "City", "Nashville" } } << QVariantMap { { "txtCity", "Memphis" }, { "txtZip", "38104" } }
        << "Keep theirs" << QVariantMap { { "City", "Nashville" }, { "Zip", "38104" } }
        << QVariantMap { { "txtCity", "Nashville" }, { "txtZip", "38104" } };
    QTest::newRow("both change City: Keep mine")
        << QVariantMap { { "City", "Nashville" } } << QVariantMap { { "txtCity", "Memphis" }, { "txtZip", "38104" } }
        << "Keep mine" << QVariantMap { { "City", "Memphis" }, { "Zip", "38104" } }
        << QVariantMap { { "txtCity", "Memphis" }, { "txtZip", "38104" } };
    QTest::newRow("both change City: Cancel writes nothing")
        << QVariantMap { { "City", "Nashville" } } << QVariantMap { { "txtCity", "Memphis" }, { "txtZip", "38104" } }
        << "Cancel" << QVariantMap { { "City", "Nashville" }, { "Zip", "" }, { "Edited_By", "pastor" } }
        << QVariantMap { { "txtCity", "Memphis" }, { "txtZip", "38104" } };
    QTest::newRow("both change City the same way: no question")
        << QVariantMap { { "City", "Memphis" } } << QVariantMap { { "txtCity", "Memphis" } } << ""
        << QVariantMap { { "City", "Memphis" }, { "Edited_By", "clerk" } } << QVariantMap { { "txtCity", "Memphis" } };
}

void TestMemberTwoDesks::saveOverTheOtherWorkstation()
{
    QFETCH(QVariantMap, theirs);
    QFETCH(QVariantMap, mine);
    QFETCH(QString, answer);
    QFETCH(QVariantMap, stored);
    QFETCH(QVariantMap, screen);
    TwoDesks d;
    QCOMPARE(d.shown("txtCity"), QStringLiteral("Ada"));
    d.theyChange(theirs);
    d.type(mine);
    d.env.messages.choices = { answer };
    d.form->saveKeepingRecord();

    QCOMPARE(d.questions(), answer.isEmpty() ? 0 : 1);
    if (!answer.isEmpty()) {
        const auto question = d.env.messages.last();
        QCOMPARE(question.title, QStringLiteral("Pewlark"));
        QCOMPARE(question.icon, Icon::Warning);
        QCOMPARE(question.buttons, (QStringList { "Keep theirs", "Keep mine", "Cancel" }));
        QVERIFY2(question.text.contains(QStringLiteral("\"City\"")), qPrintable(question.text));
        QVERIFY2(question.text.contains(QStringLiteral("pastor")), qPrintable(question.text));
        QVERIFY2(!question.text.contains(QStringLiteral("Zip")), qPrintable(question.text));
    }
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        QCOMPARE(d.stored(it.key()), it.value().toString());
    for (auto it = screen.cbegin(); it != screen.cend(); ++it)
        QCOMPARE(d.shown(it.key()), it.value().toString());

    if (answer == QLatin1String("Cancel")) {
        // Nothing was written and nothing typed was lost; the screen stays.
        QCOMPARE(d.form->windowTitle(), kCaption + QLatin1Char('*'));
        d.env.messages.choices = { QStringLiteral("Cancel") };
        d.control<QPushButton>("btnSaveClose")->click();
        QCoreApplication::processEvents();
        QVERIFY(d.ws.find<frmMemberEntry>());
        QCOMPARE(d.stored("City"), QStringLiteral("Nashville"));
        return;
    }
    // Saved: the screen shows the row as stored, clean, and the next save
    // compares with it, so the clerk's own earlier change is no conflict.
    QCOMPARE(d.form->windowTitle(), kCaption);
    QCOMPARE(d.stored("Edited_By"), QStringLiteral("clerk"));
    const int asked = d.questions();
    d.control<QLineEdit>("txtAddress1")->setText(QStringLiteral("12 Elm St"));
    d.form->saveKeepingRecord();
    QCOMPARE(d.questions(), asked);
    QCOMPARE(d.stored("Address_1"), QStringLiteral("12 Elm St"));
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        if (it.key() != QLatin1String("Edited_By"))
            QCOMPARE(d.stored(it.key()), it.value().toString());
}

void TestMemberTwoDesks::personRemovedMeanwhile()
{
    TwoDesks d;
    d.other->exec(QStringLiteral("DELETE FROM Family_Connection WHERE Member_ID = ?"), { d.clerk });
    d.other->exec(QStringLiteral("DELETE FROM Member_Responsibility WHERE Member_ID = ?"), { d.clerk });
    d.other->exec(QStringLiteral("DELETE FROM Member WHERE ID = ?"), { d.clerk });
    d.control<QLineEdit>("txtCity")->setText(QStringLiteral("Memphis"));
    d.control<QPushButton>("btnSaveClose")->click();
    QCoreApplication::processEvents();
    QCOMPARE(d.env.messages.count(), 1);
    QVERIFY2(d.env.messages.last().text.contains(QStringLiteral("no longer exists")),
        qPrintable(d.env.messages.last().text));
    QVERIFY(d.ws.find<frmMemberEntry>());
    QCOMPARE(d.shown("txtCity"), QStringLiteral("Memphis"));
    QCOMPARE(d.other->scalar(QStringLiteral("SELECT COUNT(*) FROM Member WHERE ID = ?"), { d.clerk }).toInt(), 0);
}

void TestMemberTwoDesks::familyChangedUnderneath_data()
{
    QTest::addColumn<QString>("action"); // "remove Sam", "Sam as Grandson", "Otto as Nephew"
    QTest::addColumn<QString>("theirs"); // what the other workstation did meanwhile
    QTest::addColumn<bool>("told"); // the message that the rows changed elsewhere
    QTest::addColumn<QStringList>("grid"); // the grid's relationships afterwards
    QTest::addColumn<QString>("status");

    QTest::newRow("remove, nobody else changed it")
        << "remove Sam"
        << "" << false << QStringList {} << "Removed family member Clerk, Sam.";
    QTest::newRow("remove after they changed the relationship")
        << "remove Sam"
        << "Sam is Nephew" << true << QStringList { "Nephew" } << "";
    QTest::newRow("remove after they removed it") << "remove Sam"
                                                  << "Sam removed" << true << QStringList {} << "";
    QTest::newRow("change, nobody else changed it")
        << "Sam as Grandson"
        << "" << false << QStringList { "Grandson" } << "Saved family member Clerk, Sam (Grandson).";
    QTest::newRow("change after they changed it") << "Sam as Grandson"
                                                  << "Sam is Nephew" << true << QStringList { "Nephew" } << "";
    QTest::newRow("add after they added the same person")
        << "Otto as Nephew"
        << "Otto is Cousin" << true << QStringList { "Cousin", "Son" } << "";
    QTest::newRow("add while they changed someone else: done, and said")
        << "Otto as Nephew"
        << "Sam is Grandson" << false << QStringList { "Grandson", "Nephew" }
        << "Saved family member Other, Otto (Nephew). The list also shows changes made at another workstation.";
}

void TestMemberTwoDesks::familyChangedUnderneath()
{
    QFETCH(QString, action);
    QFETCH(QString, theirs);
    QFETCH(bool, told);
    QFETCH(QStringList, grid);
    QFETCH(QString, status);
    TwoDesks d;
    QStringList statuses;
    QObject::connect(&d.ws, &Workspace::statusChanged, &d.ws, [&](const QString& s) { statuses << s; });
    QCOMPARE(d.gridColumn("vsfgFamilyMembers", 2), QStringList { "Son" });

    if (theirs == QLatin1String("Sam is Nephew") || theirs == QLatin1String("Sam is Grandson"))
        d.other->exec(QStringLiteral("UPDATE Family_Connection SET Relationship = ? WHERE Relative_Member_ID = ?"),
            { theirs.section(QLatin1Char(' '), -1), d.son });
    else if (theirs == QLatin1String("Sam removed"))
        d.other->exec(QStringLiteral("DELETE FROM Family_Connection WHERE Relative_Member_ID = ?"), { d.son });
    else if (theirs == QLatin1String("Otto is Cousin"))
        d.other->exec(QStringLiteral("INSERT INTO Family_Connection VALUES (?, 'Cousin', ?)"), { d.clerk, d.otto });

    auto* rows = d.control<QTableView>("vsfgFamilyMembers");
    auto* relative = d.control<QComboBox>("cmbMemberAdd");
    auto* relationship = d.control<QComboBox>("cmbRelationship");
    if (action == QLatin1String("remove Sam")) {
        rows->selectRow(0);
        QCOMPARE(selectedId(relative), d.son);
        d.control<QPushButton>("btnRemoveFamMember")->click();
    } else {
        const bool sam = action.startsWith(QLatin1String("Sam"));
        if (sam)
            rows->selectRow(0);
        else
            QVERIFY(selectById(relative, d.otto));
        relationship->setCurrentIndex(relationship->findText(action.section(QLatin1Char(' '), -1)));
        d.control<QPushButton>("btnAddFamMember")->click();
    }

    int changedMessages = 0;
    for (const auto& e : d.env.messages.entries)
        changedMessages += e.text.contains(QStringLiteral("changed at another workstation")) ? 1 : 0;
    QCOMPARE(changedMessages, told ? 1 : 0);
    QStringList shown = d.gridColumn("vsfgFamilyMembers", 2);
    shown.sort();
    QCOMPARE(shown, grid);
    // The grid shows what is stored.
    QStringList stored
        = d.other->texts(QStringLiteral("SELECT Relationship FROM Family_Connection WHERE Member_ID = ?"), { d.clerk });
    stored.sort();
    QCOMPARE(stored, grid);
    QCOMPARE(statuses.value(0), status);
}

void TestMemberTwoDesks::responsibilitiesChangedUnderneath_data()
{
    QTest::addColumn<QString>("theirs"); // "", "added the same", "removed it"
    QTest::addColumn<QString>("told"); // the start of the message; empty: none
    QTest::addColumn<int>("left"); // equal rows stored afterwards
    QTest::newRow("nobody else changed it") << ""
                                            << "" << 0;
    QTest::newRow("they added an equal row: theirs stays")
        << "added the same"
        << "The responsibility was removed as the list showed it" << 1;
    QTest::newRow("they removed it: nothing changes") << "removed it"
                                                      << "The responsibilities of this person were changed" << 0;
}

void TestMemberTwoDesks::responsibilitiesChangedUnderneath()
{
    QFETCH(QString, theirs);
    QFETCH(QString, told);
    QFETCH(int, left);
    TwoDesks d;
    QCOMPARE(d.gridColumn("vsfgChurchResponsibilites", 0), QStringList { "Usher" });
    if (theirs == QLatin1String("added the same"))
        d.other->exec(QStringLiteral("INSERT INTO Member_Responsibility VALUES (?, 'Usher', '2020-01-01', "
                                     "'2020-12-31')"),
            { d.clerk });
    else if (theirs == QLatin1String("removed it"))
        d.other->exec(QStringLiteral("DELETE FROM Member_Responsibility WHERE Member_ID = ?"), { d.clerk });

    d.control<QTableView>("vsfgChurchResponsibilites")->selectRow(0);
    d.control<QPushButton>("btnRemoveResp")->click();

    QCOMPARE(
        d.other->scalar(QStringLiteral("SELECT COUNT(*) FROM Member_Responsibility WHERE Member_ID = ?"), { d.clerk })
            .toInt(),
        left);
    // The grid is read again and shows what is left.
    QCOMPARE(d.gridColumn("vsfgChurchResponsibilites", 0).size(), left);
    const auto last = d.env.messages.last();
    if (told.isEmpty()) {
        QVERIFY(last.question); // only the removal's own question
    } else {
        QVERIFY2(last.text.startsWith(told), qPrintable(last.text));
        QCOMPARE(last.title, QStringLiteral("Pewlark"));
    }
}

QTEST_MAIN(TestMemberTwoDesks)
#include "tst_membertwodesks.moc"
