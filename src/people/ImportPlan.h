#pragma once

// An import of people from a CSV table, worked out before anything is
// written: every row read into a person by the column mapping, its problems,
// the people already in the church it matches (people/Duplicates), and the
// families the rows form. The preview shows the plan; run() writes it in one
// transaction after a backup of the church file.

#include "data/Members.h"
#include "people/CsvReader.h"
#include "people/Duplicates.h"
#include "people/ImportMapping.h"

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace pw {

class Clock;
class Database;

namespace people {

    // Something wrong with a row, and whether the row is stored all the same.
    struct RowProblem {
        int line = 0; // of the file; 0 for the import as a whole
        QString row; // the row's cells, joined
        QString what;
        bool stored = true;
    };

    struct PlannedPerson {
        int line = 0;
        MemberRecord record; // the row's values; status defaulted
        QStringList columns; // the Member columns the row gives a value
        bool rejected = false; // not stored (a problem says why)
        QString familyKey; // rows with the same key are one family; empty: alone
        bool headMarked = false; // the row says it is the head of its household
        QString relationship; // to the head, from the relationship column
        int family = -1; // index into ImportPlan::families()
        // The people already in the church it matches; an identifier below
        // 0 is an earlier row of the file (-1 - its index).
        QList<DuplicateMatch> matches;
        DuplicateAction action = DuplicateAction::Add; // for a row with matches

        bool isDuplicate() const { return !matches.isEmpty(); }
        // Rows written as new people.
        bool isAdded() const { return !rejected && (matches.isEmpty() || action == DuplicateAction::Add); }
    };

    struct PlannedFamily {
        QList<int> members; // row indexes, in file order
        int head = -1; // row index of the head of household, -1: none
    };

    struct Preview {
        int rows = 0;
        int newPeople = 0;
        int families = 0; // of two or more rows with someone new
        int updates = 0; // duplicates whose empty fields are filled
        int duplicates = 0;
        int skipped = 0;
        int problemRows = 0;
        int notStored = 0;
        // New people who lack a field every person needs (people/RequiredFields):
        // the member screen saves no change to them until it is filled.
        int withoutRequired = 0;
        QMap<QString, int> missing; // field caption -> new people without it
    };

    struct ImportResult {
        bool succeeded = false;
        QString failure;
        bool dryRun = false;
        QString target; // how the database is named in messages
        QString backupPath; // empty on a server, or for a dry run
        int added = 0;
        int filled = 0; // existing people given values in empty fields
        int skipped = 0;
        int links = 0; // family connections made
        QString rejectsFile; // empty when no row had a problem
    };

    class ImportPlan {
    public:
        // Reads every row of table by mapping. db is read only: the lists,
        // and every person for duplicate matching.
        ImportPlan(Database& db, const CsvTable& table, const ImportMapping& mapping, const QDate& today);

        const CsvTable& table() const { return m_table; }
        const ImportMapping& mapping() const { return m_mapping; }
        const QList<PlannedPerson>& people() const { return m_people; }
        const QList<PlannedFamily>& families() const { return m_families; }
        const QList<RowProblem>& problems() const { return m_problems; }
        // "Title \"Pastor\"": values not in their lists, added by run() or
        // kept as they are, by the mapping's choice.
        const QStringList& unknownValues() const { return m_unknownList; }
        // "Member Status = Member": the values every row without one gets.
        const QStringList& givenValues() const { return m_givenList; }

        // The choice for one duplicate row (the mapping's default otherwise).
        void setAction(int row, DuplicateAction action);

        Preview preview() const;

        // "Hale, Margaret (ID 12)" for a match, or "the row on line 14".
        QString matchName(Database& db, const DuplicateMatch& match) const;

        struct RunOptions {
            QString userName; // Added_By / Edited_By
            QString pictureFolder; // copied with the backup
            bool backup = true; // a file is first backed up beside itself
            QString rejectsPath; // default: the CSV file's name + ".rejects.txt"
        };
        // Writes the plan: new people, the filled fields of duplicates, the
        // families' head and connections, the added list values, all in one
        // transaction, after the backup. The transaction first takes the
        // lock a second import (or merge) waits for; when another program or
        // workstation changed the church since the plan read it, the rows
        // are matched again under that lock, so people it added meanwhile
        // are duplicates (a row keeps the choice made for it; one that only
        // now has a match takes the mapping's). Throws nothing: a failure is
        // in the result, and nothing of the import is then in the church.
        ImportResult run(Database& db, const Clock& clock, const RunOptions& options) const;

    private:
        struct Given {
            const Members::Column* column;
            QString value;
        };
        // The mapping's values for rows without one, read as their fields
        // read a cell (with the church's Church Status for new people).
        QList<Given> givenValues(Database& db);
        void readRows(Database& db, const QDate& today);
        void matchDuplicates(Database& db);
        void formFamilies(const QDate& today);
        QString lookupValue(const ImportField& field, const QString& text);

        CsvTable m_table;
        ImportMapping m_mapping;
        QList<PlannedPerson> m_people;
        QList<PlannedFamily> m_families;
        QList<RowProblem> m_problems;
        QHash<QString, QStringList> m_lists; // table -> its values
        struct UnknownValue {
            const ImportField* field;
            QString value; // as first written in the file
        };
        QHash<QString, UnknownValue> m_unknown; // table + "\n" + folded value
        QStringList m_unknownList;
        // Database::othersChangeMark() before the church was read: run()
        // matches the rows again when another workstation changed it since.
        qint64 m_churchMark = 0;
        QStringList m_givenList;
    };

} // namespace people

} // namespace pw
