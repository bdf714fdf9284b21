#include "data/Contacts.h"

#include "data/Database.h"
#include "data/Members.h"
#include "data/PersonName.h"
#include "data/Sql.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Contacts)
};
} // namespace

namespace pw::Contacts {

namespace {

    // "Last, First Middle" of a joined Member row; a missing person leaves
    // the bare separators.
    QString visitorName(const QString& alias) { return sql::nameTerm(alias, sql::NameParts::WithMiddle); }

    QVariantList values(const Contact& c)
    {
        return { c.prospectId, sql::date(c.date), sql::text(c.action), sql::text(c.type), sql::id(c.visitor1),
            sql::id(c.visitor2), sql::text(c.rating), sql::text(c.notes) };
    }

} // namespace

QString requiredMessage() { return Tr::tr("Prospect, Action, Visitor 1, and Rating are Required."); }

QString requiredTitle() { return Tr::tr("Required Fields"); }

bool hasRequired(const Contact& contact)
{
    return contact.prospectId > 0 && !contact.action.isEmpty() && contact.visitor1 > 0 && !contact.rating.isEmpty();
}

std::optional<Contact> load(Database& db, qint64 id)
{
    QSqlQuery q = db.exec(QStringLiteral("SELECT ID, Prospect_ID, Contact_Date, Action, Type, Visitor1, Visitor2, "
                                         "Rating, Notes FROM Prospect_Contact WHERE ID = ?"),
        { id });
    if (!q.next())
        return std::nullopt;
    Contact c;
    c.id = sql::toId(q.value(0));
    c.prospectId = sql::toId(q.value(1));
    c.date = sql::toDate(q.value(2));
    c.action = sql::toText(q.value(3));
    c.type = sql::toText(q.value(4));
    c.visitor1 = sql::toId(q.value(5));
    c.visitor2 = sql::toId(q.value(6));
    c.rating = sql::toText(q.value(7));
    c.notes = sql::toText(q.value(8));
    return c;
}

std::vector<GridRow> gridRows(Database& db, qint64 prospectId)
{
    const QString text
        = QStringLiteral("SELECT Prospect_Contact.ID, Prospect_Contact.Contact_Date, "
                         "Prospect_Contact.Action, Prospect_Contact.Type, Prospect_Contact.Rating, %1, "
                         "%2, Prospect_Contact.Notes FROM Prospect_Contact "
                         "LEFT JOIN Member AS Visitor1Tbl ON Prospect_Contact.Visitor1 = Visitor1Tbl.ID "
                         "LEFT JOIN Member AS Visitor2Tbl ON Prospect_Contact.Visitor2 = Visitor2Tbl.ID "
                         "WHERE Prospect_Contact.Prospect_ID = ? "
                         "ORDER BY Prospect_Contact.Contact_Date DESC, Prospect_Contact.ID DESC")
              .arg(visitorName(QStringLiteral("Visitor1Tbl")), visitorName(QStringLiteral("Visitor2Tbl")));
    std::vector<GridRow> rows;
    db.forEach(text, { prospectId }, [&rows](const QSqlQuery& q) {
        GridRow r;
        r.id = sql::toId(q.value(0));
        r.date = sql::toDate(q.value(1));
        r.action = sql::toText(q.value(2));
        r.type = sql::toText(q.value(3));
        r.rating = sql::toText(q.value(4));
        r.visitor1Name = sql::toText(q.value(5));
        r.visitor2Name = sql::toText(q.value(6));
        r.notes = sql::toText(q.value(7));
        rows.push_back(std::move(r));
    });
    return rows;
}

std::optional<NextStep> nextStep(Database& db, qint64 prospectId)
{
    QSqlQuery q = db.exec(QStringLiteral("SELECT Prospect_Phase, Prospect_Next_Contact_Date, "
                                         "Prospect_Next_Contact_Action FROM Member WHERE ID = ?"),
        { prospectId });
    if (!q.next())
        return std::nullopt;
    return NextStep { sql::toText(q.value(0)), sql::toDate(q.value(1)), sql::toText(q.value(2)) }.normalized();
}

qint64 save(Database& db, const Contact& contact, const std::optional<NextStep>& step)
{
    if (!hasRequired(contact))
        throw Error(requiredMessage());

    Transaction tx(db);
    qint64 id = contact.id;
    if (id > 0) {
        QVariantList params = values(contact);
        params.append(id);
        const int changed
            = db.execChange(QStringLiteral("UPDATE Prospect_Contact SET Prospect_ID = ?, Contact_Date = ?, "
                                           "Action = ?, Type = ?, Visitor1 = ?, Visitor2 = ?, Rating = ?, "
                                           "Notes = ? WHERE ID = ?"),
                params);
        if (changed == 0)
            throw Error(Tr::tr("This contact (ID %1) has been deleted since it was opened, perhaps on another "
                               "workstation, so it could not be saved. Nothing was changed.")
                            .arg(id));
    } else {
        id = db.insert(
            QStringLiteral("INSERT INTO Prospect_Contact (Prospect_ID, Contact_Date, Action, Type, Visitor1, "
                           "Visitor2, Rating, Notes) VALUES (?, ?, ?, ?, ?, ?, ?, ?)")
                + sql::returningId(),
            values(contact));
    }

    // An empty next phase clears the whole next step, whatever the date and
    // action say.
    MemberRecord next;
    next.id = contact.prospectId;
    if (step && !step->phase.isEmpty()) {
        next.prospectPhase = step->phase;
        next.prospectNextContactDate = step->date;
        next.prospectNextContactAction = step->action;
    }
    if (Members::update(db, next, step ? Members::nextStepColumns() : QStringList()) == 0)
        throw Error(Tr::tr("The prospect of this contact (ID %1) no longer exists, so the contact could not be "
                           "saved. Nothing was changed.")
                        .arg(contact.prospectId));

    tx.commit();
    return id;
}

} // namespace pw::Contacts
