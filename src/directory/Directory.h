#pragma once

// The church directory: a booklet (PDF or print) with one entry per
// household, family pictures, letter headings, an index of every person's
// name with its page, a cover and page numbers.

#include "reports/Report.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace pw {
class Database;
}

namespace pw::directory {

// How a person is listed: with contact details, without them (name only),
// or not at all. Stored per person; without a row, Listed.
enum class Listing { Listed, WithoutContact, LeftOut };
QString listingText(Listing l); // "List", "List without contact details", "Leave out"
Listing listingOf(Database& db, qint64 memberId);
void setListing(Database& db, qint64 memberId, Listing l);

// A household's own picture (a family picture), kept in the picture folder;
// empty when none. Stored on the head's row.
QString familyPictureOf(Database& db, qint64 headId);
// Stores the picture file name (in the picture folder) of the household of
// headId; empty removes it.
void setFamilyPicture(Database& db, qint64 headId, const QString& fileName);

// Who is in it.
struct Choice {
    QStringList churchStatuses = { QStringLiteral("Active") }; // by Member_Active_Status; empty: everybody
    QList<qint64> people; // when not empty: these people (a navigator's result) instead of the statuses
    bool birthdays = false; // each person's birthday (day and month)
    bool a4 = false; // A4 paper, else US Letter
    int perPage = 2; // entries per page: 2 or 4
};

// One household's entry as it prints.
struct Entry {
    qint64 headId = 0;
    QString sortName; // last name, first name of the head: the order and the letter heading
    QString title; // "Henry & Helen Hale" + children's first names on a line of their own
    QStringList children; // first names
    QString address; // lines joined with "\n"; empty when left out
    QString homePhone; // formatted; empty when left out
    QStringList cells; // "Henry: (615) 555-0142"
    QStringList emails; // "Helen: helen@example.org"
    QStringList birthdays; // "Henry: March 4"
    // Picture files (in the picture folder): the family picture; else the
    // head's and the spouse's, printed side by side; none: a placeholder.
    // Read only when the page is painted, so the booklet of a large church
    // holds no pictures in memory.
    QStringList pictureFiles;
    QStringList names; // every listed person's "Last, First", for the index
};

// The households of the people chosen, grouped as the household labels
// group them, each person's listing applied, sorted by the head's name.
std::vector<Entry> entries(Database& db, const Choice& choice, const QString& pictureFolder);

// The booklet: cover (the church's name, address and the date), entries
// with letter headings, the index of every person's name with its page.
reports::ReportPtr directoryReport(Database& db, const Choice& choice, const QString& pictureFolder, const QDate& day);

} // namespace pw::directory
