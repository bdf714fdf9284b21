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

// Previews (true) or prints the roster of the period for the positions of
// every service that has one; false when nothing was shown or printed.
bool printRoster(const QDate& from, const QDate& to, bool preview);

// Every turn of the period, one line each: Date, Service, Position, Person,
// Confirmed, Note; by date and the positions' order.
GridText rosterRows(Database& db, const QDate& from, const QDate& to);

// One mail per person serving in the period: the person's addresses in To,
// the subject "Serving from <from> to <to>", and the body listing each of
// their dates, position and service, one per line; a body that would make
// the link longer than maxLength is cut at a line and ends with "...".
struct RosterMail {
    qint64 memberId = 0;
    QString name; // "Hale, Helen"
    QUrl link; // empty when the person has no address
};
QList<RosterMail> rosterMails(Database& db, const QDate& from, const QDate& to, int maxLength);

// "E-mail These People" of the period: asks before opening more than one
// message, names the people without an address, opens the messages through
// the desktop.
void emailRoster(const QDate& from, const QDate& to);

} // namespace pw::rosters
