#include "Outreach.h"

#include "data/Contacts.h"
#include "data/Sql.h"

#include <QSqlQuery>
#include <QtTest>

using namespace pw;
using test::TestEnv;

namespace {

// Identifiers far beyond 16 and 32 bits, as a large or long-lived church file has.
constexpr qint64 kProspect = 3000000001LL;
constexpr qint64 kOther = 3000000002LL;
constexpr qint64 kAnn = 3000000011LL;
constexpr qint64 kBob = 3000000012LL;
constexpr qint64 kGone = 3000000013LL;
constexpr qint64 kFirstContact = 5000000000LL;

const QDate kDay(2026, 3, 15);

using test::orNull;

// A prospect in phase A, Ann and Bob as visitors, and one contact already made.
struct Outreach {
    TestEnv env;
    Outreach()
    {
        person(kProspect, "Pat", "", "Prospect");
        person(kOther, "Oli", "", "Other");
        person(kAnn, "Ann", "Marie", "Lee");
        person(kBob, "Bob", "", "Stone");
        env.db().exec(QStringLiteral("UPDATE Member SET Prospect_Phase = 'A', Prospect_Next_Contact_Date = "
                                     "'2026-03-01', Prospect_Next_Contact_Action = 'Home Visit'"));
        env.db().exec(QStringLiteral("INSERT INTO Prospect_Contact (ID, Prospect_ID, Contact_Date, Action, Type, "
                                     "Visitor1, Visitor2, Rating, Notes) VALUES (?, ?, '2026-03-01', 'Home Visit', "
                                     "'Visit', ?, NULL, 'Interested', 'First call')"),
            { kFirstContact, kProspect, kAnn });
    }
    void person(qint64 id, const char* first, const char* middle, const char* last)
    {
        env.db().exec(QStringLiteral("INSERT INTO Member (ID, Status, First_Name, Middle_Name, Last_Name, Gender) "
                                     "VALUES (?, 'Prospect', ?, ?, ?, 'Unknown')"),
            { id, QString::fromUtf8(first), QString::fromUtf8(middle), QString::fromUtf8(last) });
    }
    Contacts::Contact contact(qint64 visitor2 = kBob) const
    {
        return Contacts::Contact { 0, kProspect, kDay, QStringLiteral("Phone Call"), QStringLiteral("Call"), kAnn,
            visitor2, QStringLiteral("Very Interested"), QStringLiteral("Asked about \"classes\"; it's fine") };
    }
    // The stored next step of a person: "phase|date|action", "~" for Null.
    QString step(qint64 id) { return test::nextStepOf(env.db(), id); }
    // Every contact row, Nulls marked, in key order.
    QStringList contactRows()
    {
        QStringList out;
        env.db().forEach(QStringLiteral("SELECT * FROM Prospect_Contact ORDER BY ID"), {}, [&out](const QSqlQuery& q) {
            QStringList cells;
            for (int i = 0; i < 9; ++i)
                cells << orNull(q.value(i));
            out << cells.join(QLatin1Char('|'));
        });
        return out;
    }
};

} // namespace

class TestContacts : public QObject {
    Q_OBJECT
private slots:
    void save_data();
    void save();
    void refusals_data();
    void refusals();
    void load_data();
    void load();
    void gridRows_data();
    void gridRows();
};

void TestContacts::save_data()
{
    QTest::addColumn<bool>("edit"); // rewrite the contact already made instead of adding one
    QTest::addColumn<qint64>("visitor2");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("stored"); // the prospect's next step afterwards

    QTest::newRow("new contact moves the prospect on") << false << kBob << "B" << QDate(2026, 3, 29) << "Phone Call"
                                                       << "B|2026-03-29|Phone Call";
    QTest::newRow("new contact without a second visitor")
        << false << qint64(0) << "B" << QDate(2026, 3, 29) << "Phone Call"
        << "B|2026-03-29|Phone Call";
    QTest::newRow("empty next phase clears all three, whatever else is given")
        << false << kBob << "" << QDate(2026, 3, 29) << "Phone Call"
        << "~|~|~";
    QTest::newRow("next step without an action") << false << kBob << "B" << QDate(2026, 3, 29) << ""
                                                 << "B|2026-03-29|~";
    QTest::newRow("next action not among the actions is kept")
        << false << kBob << "B" << QDate(2026, 3, 29) << "Smoke Signal"
        << "B|2026-03-29|Smoke Signal";
    QTest::newRow("a star and quotes in names are just characters")
        << false << kBob << "It's *B*" << QDate(2026, 3, 29) << "Call*2"
        << "It's *B*|2026-03-29|Call*2";
    QTest::newRow("editing an old contact rewrites it and the next step")
        << true << kBob << "C" << QDate(2026, 4, 12) << "Letter"
        << "C|2026-04-12|Letter";
    QTest::newRow("editing removes the second visitor") << true << qint64(0) << "C" << QDate(2026, 4, 12) << "Letter"
                                                        << "C|2026-04-12|Letter";
}

void TestContacts::save()
{
    QFETCH(bool, edit);
    QFETCH(qint64, visitor2);
    QFETCH(QString, phase);
    QFETCH(QDate, date);
    QFETCH(QString, action);
    QFETCH(QString, stored);

    Outreach o;
    if (edit) // the contact already made had no second visitor; give it one first
        o.env.db().exec(QStringLiteral("UPDATE Prospect_Contact SET Visitor2 = ?"), { kBob });
    const QString otherBefore = o.step(kOther);
    Contacts::Contact c = o.contact(visitor2);
    c.id = edit ? kFirstContact : 0;

    const qint64 id = Contacts::save(o.env.db(), c, NextStep { phase, date, action });

    if (edit)
        QCOMPARE(id, kFirstContact);
    else
        QVERIFY(id > kFirstContact);
    QCOMPARE(o.contactRows().size(), edit ? 1 : 2);
    const std::optional<Contacts::Contact> back = Contacts::load(o.env.db(), id);
    QVERIFY(back);
    QCOMPARE(back->prospectId, kProspect);
    QCOMPARE(back->date, kDay);
    QCOMPARE(back->action, c.action);
    QCOMPARE(back->type, c.type);
    QCOMPARE(back->visitor1, kAnn);
    QCOMPARE(back->visitor2, visitor2);
    QCOMPARE(back->rating, c.rating);
    QCOMPARE(back->notes, c.notes);
    QCOMPARE(o.env.db()
                 .scalar(QStringLiteral("SELECT Visitor2 IS NULL FROM Prospect_Contact WHERE ID = ?"), { id })
                 .toBool(),
        visitor2 == 0);
    QCOMPARE(o.step(kProspect), stored);
    QCOMPARE(o.step(kOther), otherBefore);
}

void TestContacts::refusals_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("error"); // the start of the error's text

    const QString required = Contacts::requiredMessage();
    QTest::newRow("no prospect") << "prospect" << required;
    QTest::newRow("no action") << "action" << required;
    QTest::newRow("no first visitor") << "visitor1" << required;
    QTest::newRow("no rating") << "rating" << required;
    QTest::newRow("contact deleted meanwhile")
        << "deleted"
        << "This contact (ID 5000000000) has been deleted since it was opened, perhaps on another workstation, so it "
           "could not be saved. Nothing was changed.";
    QTest::newRow("prospect no longer exists")
        << "no prospect row"
        << "The prospect of this contact (ID 3000000099) no longer exists, so the contact could not be saved.";
    QTest::newRow("prospect update fails on a new contact") << "update fails"
                                                            << "refused by test";
    QTest::newRow("prospect update fails on an edited contact") << "update fails on edit"
                                                                << "refused by test";
}

void TestContacts::refusals()
{
    QFETCH(QString, fault);
    QFETCH(QString, error);

    Outreach o;
    Contacts::Contact c = o.contact();
    if (fault == QLatin1String("prospect"))
        c.prospectId = 0;
    else if (fault == QLatin1String("action"))
        c.action.clear();
    else if (fault == QLatin1String("visitor1"))
        c.visitor1 = 0;
    else if (fault == QLatin1String("rating"))
        c.rating.clear();
    else if (fault == QLatin1String("no prospect row"))
        c.prospectId = 3000000099LL;
    if (fault == QLatin1String("deleted") || fault == QLatin1String("update fails on edit"))
        c.id = kFirstContact;
    if (fault == QLatin1String("deleted"))
        o.env.db().exec(QStringLiteral("DELETE FROM Prospect_Contact WHERE ID = ?"), { kFirstContact });
    if (fault.startsWith(QLatin1String("update fails")))
        o.env.refuseChanges(QStringLiteral("Member"), QStringLiteral("UPDATE"), QStringLiteral("refused by test"));

    const QStringList contactsBefore = o.contactRows();
    const QString stepBefore = o.step(kProspect);
    QString text;
    try {
        Contacts::save(o.env.db(), c, NextStep { QStringLiteral("B"), QDate(2026, 3, 29), QStringLiteral("Letter") });
    } catch (const Error& e) {
        text = e.text();
    }
    QVERIFY2(text.startsWith(error), qPrintable(text));
    QVERIFY(!o.env.db().inTransaction());
    QCOMPARE(o.contactRows(), contactsBefore);
    QCOMPARE(o.step(kProspect), stepBefore);
}

void TestContacts::load_data()
{
    QTest::addColumn<QString>("stored"); // the contact's row, "~" for Null; empty: no such contact
    QTest::addColumn<QString>("expected"); // the contact read back

    QTest::newRow("every column, with identifiers beyond 32 bits")
        << "3000000001|2026-02-01|Letter|Mail|3000000011|3000000012|Undecided|Sent"
        << "3000000001|2026-02-01|Letter|Mail|3000000011|3000000012|Undecided|Sent";
    QTest::newRow("no second visitor reads as 0") << "3000000001|2026-02-01|Letter|Mail|3000000011|~|Undecided|Sent"
                                                  << "3000000001|2026-02-01|Letter|Mail|3000000011|0|Undecided|Sent";
    QTest::newRow("Null text reads as empty") << "3000000001|2026-02-01|~|~|3000000011|~|~|~"
                                              << "3000000001|2026-02-01|||3000000011|0||";
    QTest::newRow("contact that no longer exists") << ""
                                                   << "(none)";
}

void TestContacts::load()
{
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    TestEnv env;
    const qint64 id = 6000000000LL;
    if (!stored.isEmpty()) {
        QVariantList values { id };
        for (const QString& v : stored.split(QLatin1Char('|')))
            values << (v == QLatin1String("~") ? QVariant() : QVariant(v));
        env.db().exec(QStringLiteral("INSERT INTO Prospect_Contact (ID, Prospect_ID, Contact_Date, Action, Type, "
                                     "Visitor1, Visitor2, Rating, Notes) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            values);
    }
    const std::optional<Contacts::Contact> c = Contacts::load(env.db(), id);
    const QString got = !c
        ? QStringLiteral("(none)")
        : QStringList { QString::number(c->prospectId), c->date.toString(Qt::ISODate), c->action, c->type,
              QString::number(c->visitor1), QString::number(c->visitor2), c->rating, c->notes }
              .join(QLatin1Char('|'));
    QCOMPARE(got, expected);
    if (c)
        QCOMPARE(c->id, id);
}

void TestContacts::gridRows_data()
{
    QTest::addColumn<qint64>("prospect");
    QTest::addColumn<QStringList>("expected"); // "date|action|type|rating|visitor 1|visitor 2|notes", newest first

    QTest::newRow("newest first, one day in the order entered last first, separators kept")
        << kProspect
        << QStringList { "2026-03-10|Letter|Mail|Undecided|,  |Stone, Bob |Gone visitor",
               "2026-03-10|Phone Call|Call|Interested|Stone, Bob |Lee, Ann Marie|Same day",
               "2026-03-01|Home Visit|Visit|Interested|Lee, Ann Marie|,  |First call" };
    QTest::newRow("another prospect's contacts only") << kOther << QStringList { "2026-01-05|Card|Mail||,  |,  |" };
    QTest::newRow("no contacts") << kAnn << QStringList {};
}

void TestContacts::gridRows()
{
    QFETCH(qint64, prospect);
    QFETCH(QStringList, expected);
    Outreach o;
    const QString insert = QStringLiteral("INSERT INTO Prospect_Contact (Prospect_ID, Contact_Date, Action, Type, "
                                          "Visitor1, Visitor2, Rating, Notes) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    o.env.db().exec(insert,
        { kProspect, "2026-03-10", "Phone Call", "Call", kBob, kAnn, "Interested", QStringLiteral("Same day") });
    o.env.db().exec(insert, { kProspect, "2026-03-10", "Letter", "Mail", kGone, kBob, "Undecided", "Gone visitor" });
    o.env.db().exec(insert, { kOther, "2026-01-05", "Card", "Mail", QVariant(), QVariant(), "", "" });

    QStringList got;
    qint64 previousId = std::numeric_limits<qint64>::max();
    for (const Contacts::GridRow& r : Contacts::gridRows(o.env.db(), prospect)) {
        got << QStringList { r.date.toString(Qt::ISODate), r.action, r.type, r.rating, r.visitor1Name, r.visitor2Name,
            r.notes }
                   .join(QLatin1Char('|'));
        QCOMPARE(Contacts::load(o.env.db(), r.id)->prospectId, prospect);
        if (r.date == QDate(2026, 3, 10)) // of one day, the later key first
            QVERIFY(r.id < previousId);
        previousId = r.id;
    }
    QCOMPARE(got, expected);
}

QTEST_MAIN(TestContacts)
#include "tst_contacts.moc"
