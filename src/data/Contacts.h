#pragma once

// The outreach contacts made with prospects (table Prospect_Contact), and
// the one change that records a contact and moves its prospect on.

#include "data/Phases.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

namespace pw {

class Database;

namespace Contacts {

    // One Prospect_Contact row. Identifiers are full-width; 0 means none
    // (a contact not yet saved, or no second visitor, stored as Null).
    struct Contact {
        qint64 id = 0;
        qint64 prospectId = 0;
        QDate date; // invalid: Null
        QString action;
        QString type;
        qint64 visitor1 = 0;
        qint64 visitor2 = 0;
        QString rating;
        QString notes;
    };

    // One line of the member screen's contact grid. A visitor's name is
    // "Last, First Middle"; the separators stay when the visitor is missing.
    struct GridRow {
        qint64 id = 0;
        QDate date;
        QString action;
        QString type;
        QString rating;
        QString visitor1Name;
        QString visitor2Name;
        QString notes;
    };

    // The message and title shown when a required value of a contact is missing.
    QString requiredMessage();
    QString requiredTitle();

    // True when the prospect, action, first visitor and rating are all given.
    bool hasRequired(const Contact& contact);

    // The contact with this identifier, or nothing when it no longer exists.
    std::optional<Contact> load(Database& db, qint64 id);

    // Every contact with this prospect, newest first (contacts of one day:
    // the one entered last first).
    std::vector<GridRow> gridRows(Database& db, qint64 prospectId);

    // The prospect's next step as stored now, normalized (a step without a
    // phase reads as none); nothing when the prospect no longer exists. Every
    // read of the stored step that a save compares against goes through here.
    std::optional<NextStep> nextStep(Database& db, qint64 prospectId);

    // Records the contact and, when one is given, the prospect's next step in
    // one change: adds the contact when its id is 0, or rewrites that row
    // otherwise, then writes step into the prospect's Member row (phase, next
    // contact date, next action; all three Null when step.phase is empty).
    // Returns the contact's identifier. Throws pw::Error and writes nothing
    // when a required value is missing, when the contact to rewrite has been
    // deleted meanwhile, or when the prospect no longer exists; any failure of
    // the database likewise leaves both rows as they were.
    qint64 save(Database& db, const Contact& contact, const std::optional<NextStep>& step);

} // namespace Contacts

} // namespace pw
