#pragma once

// The rows of other tables that point at a person, and the two changes that
// must follow every one of them: deleting a person and merging two records of
// one person into one.

#include "data/Members.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

namespace pw {

class Database;

namespace PersonLinks {

    // What deleting a person does with the rows that point at them.
    enum class OnDelete {
        Remove, // the rows go with the person
        Refuse, // the person stays until those rows name someone else
    };

    // One column that holds a person's identifier, with what deleting and
    // merging do with its rows.
    struct Link {
        QString table; // as schema::tableNames() gives it
        QString column;
        OnDelete onDelete;
        // What one row and several rows stand for ("%1 family link", "%1
        // family links"); links with the same words are counted together.
        // Empty: not worth naming (stray rows that go unseen).
        QString one;
        QString many;
        // On a merge, a row of the removed person that matches a row of the
        // kept person in these columns as well is dropped rather than moved,
        // so nothing is doubled. Empty: every row is moved.
        QStringList sameRow;
    };

    // Every column of schema::personColumns() with its rules. A table that
    // gains a person column gets its entry here (a test checks that none is
    // missing): attendance rows, for example, go with a deleted person and
    // are moved, without doubles, on a merge.
    const QVector<Link>& links();

    // How many rows of one kind point at a person.
    struct Use {
        OnDelete onDelete;
        QString one;
        QString many;
        int rows = 0;
        QString text() const; // "3 contacts"
    };

    // The rows that point at the person, counted per kind of row (only kinds
    // with rows, in the order of links()).
    QVector<Use> uses(Database& db, qint64 id);

    // "2 family links, 1 responsibility and 3 contacts" for the uses of one
    // kind; empty when there are none.
    QString listed(const QVector<Use>& uses, OnDelete kind);

    // Why the person may not be deleted ("Hale, Helen cannot be deleted
    // while ..."), or empty text when they may.
    QString refusal(const QString& name, const QVector<Use>& uses);

    // Deletes the person and every row that goes with them in one
    // transaction. Throws an Error with refusal() when rows still name them
    // as visitor, deacon, leader, teacher or account holder, and a DbError
    // when the person is gone; nothing is changed then.
    void remove(Database& db, qint64 id, const QString& name);

    struct Merge {
        qint64 removedId = 0;
        QDateTime removedEdited; // the removed row's Date_Edited as it was read
        MemberRecord kept; // the kept row's identifier and the values chosen for it
        QDateTime keptEdited; // the kept row's Date_Edited as it was read
        QString removedName; // "Hale, Margret", kept with the record of the merge
        QString by; // the user who merges
        QDateTime when;
    };

    // In one transaction: every row that points at the removed person is
    // moved to the kept one (doubles and links of the person to themselves
    // are dropped), the kept row gets the chosen values (Date_Added and
    // Added_By stay; Date_Edited and Edited_By become when and by), the
    // removed row is deleted and the merge is recorded in Member_Merge.
    // Throws, changing nothing, when either row is gone or was changed since
    // it was read, or when both people have a user account.
    void merge(Database& db, const Merge& merge);

} // namespace PersonLinks
} // namespace pw
