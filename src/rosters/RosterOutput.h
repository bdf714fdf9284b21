#pragma once

// A period's roster on paper, in a spreadsheet and in the mail: the printed
// grid (one page or more per service, dates down, positions across), the CSV
// of every turn, and one message per person serving with their own dates.

#include "rosters/Rosters.h"
#include "widgets/GridExport.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <QUrl>

namespace pw::rosters {

// Previews (true) or prints the report "Roster": for each service with
// active positions, pages headed "<service>, <from> to <to>" with its
// meeting days (and any other day someone serves) down the left and its
// positions across, each cell naming who serves and "—" for each place
// still open. A wide grid gets a smaller font, or its positions spread over
// more pages. False, after saying so, when no service with positions meets
// in the period, and when nothing was printed.
bool printRoster(const QDate& from, const QDate& to, bool preview);

// Every turn of the period (positions no longer used included), one line
// each: Date, Service, Position, Person, Confirmed ("Yes" or empty), Note; by
// date and the positions' order.
GridText rosterRows(Database& db, const QDate& from, const QDate& to);

// One mail per person serving in the period in an active position, by name:
// the person's addresses in To, the subject "Serving from <from> to <to>",
// and the body greeting them by first name and listing each of their turns,
// "Sunday 3/1/2026: Usher (Worship Service)", with " (confirmed)" after the
// confirmed ones; a body that would make the link longer than maxLength
// loses lines from its end and ends with "...".
struct RosterMail {
    qint64 memberId = 0;
    QString name; // "Hale, Helen"
    QUrl link; // empty when the person has no address
};
QList<RosterMail> rosterMails(Database& db, const QDate& from, const QDate& to, int maxLength);

// "E-mail These People" of the period: names the people without an address,
// asks before opening more than one message, opens the messages through the
// desktop.
void emailRoster(const QDate& from, const QDate& to);

} // namespace pw::rosters
