#pragma once

// The outreach of a test church: its phases written and read in one line of
// text, people placed in phases, and a prospect's stored next step.

#include "TestSupport.h"

#include "data/Phases.h"

#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace pw::test {

// A stored value as text, "~" for Null.
inline QString orNull(const QVariant& v) { return v.isNull() ? QStringLiteral("~") : v.toString(); }

// Replaces the phases: "order|name|action|weeks;...", "~" for a Null value.
inline void setPhases(Database& db, const QString& phases)
{
    db.exec(QStringLiteral("DELETE FROM Outreach_Phase"));
    for (const QString& phase : phases.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QVariantList values;
        for (const QString& v : phase.split(QLatin1Char('|')))
            values << (v == QLatin1String("~") ? QVariant() : QVariant(v));
        db.exec(
            QStringLiteral("INSERT INTO Outreach_Phase (PhaseOrder, Phase, Action, TimePeriod) VALUES (?, ?, ?, ?)"),
            values);
    }
}

// The stored phases in phase order, in the notation of setPhases.
inline QString storedPhases(Database& db)
{
    QStringList out;
    for (const Phases::PhaseRow& r : Phases::load(db))
        out << QStringList { r.order, r.name, r.action, r.timePeriod }.join(QLatin1Char('|'));
    return out.join(QLatin1Char(';'));
}

// A "Pat Prospect" of that status per entry of phases, in that phase ("~":
// in none); returns their identifiers.
inline QList<qint64> addPeopleInPhases(
    TestEnv& env, const QStringList& phases, const QString& status = QStringLiteral("Member"))
{
    QList<qint64> ids;
    for (const QString& phase : phases) {
        const qint64 id = env.addMember(QStringLiteral("Pat"), QStringLiteral("Prospect"), status);
        env.db().exec(QStringLiteral("UPDATE Member SET Prospect_Phase = ? WHERE ID = ?"),
            { phase == QLatin1String("~") ? QVariant() : QVariant(phase), id });
        ids << id;
    }
    return ids;
}

// The stored next step of a person: "phase|date|action", "~" for Null,
// "(gone)" when there is no such person.
inline QString nextStepOf(Database& db, qint64 id)
{
    QSqlQuery q = db.exec(QStringLiteral("SELECT Prospect_Phase, Prospect_Next_Contact_Date, "
                                         "Prospect_Next_Contact_Action FROM Member WHERE ID = ?"),
        { id });
    if (!q.next())
        return QStringLiteral("(gone)");
    return QStringList { orNull(q.value(0)), orNull(q.value(1)), orNull(q.value(2)) }.join(QLatin1Char('|'));
}

} // namespace pw::test
