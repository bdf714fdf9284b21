#pragma once

// What every result grid offers beyond its screen's buttons: "Copy" of the
// rows as tab-separated text for a spreadsheet, "Export to CSV...", sorting
// by a click on a column header, and the count of people found.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class QTableView;
class QWidget;

namespace pw {

// The cells a grid shows: its captions and its rows, columns in the order on
// screen without hidden ones, rows in the order shown.
struct GridText {
    QStringList header;
    QVector<QStringList> rows;
};

// Every row, or with selectedOnly the selected rows (every row when none is
// selected).
GridText gridText(const QTableView* view, bool selectedOnly);

// A cell a spreadsheet would run as a formula (starting with "=", "+", "-"
// or "@") gets a leading apostrophe, so it shows as the text it is.
QString spreadsheetSafe(const QString& cell);

// The header and the rows as tab-separated lines, ready to paste into a
// spreadsheet. A cell holding a tab, a line break or a double quote is put in
// double quotes, its quotes doubled.
QString tabSeparated(const GridText& grid);

// The header and the rows as CSV (RFC 4180: comma-separated, CRLF line ends,
// a cell holding a comma, quote or line break in double quotes with its
// quotes doubled), in UTF-8 with a byte-order mark so that spreadsheets show
// accented letters.
QByteArray csvBytes(const GridText& grid);

// Copies the selected rows (all rows when none is selected) with the header
// to the clipboard.
void copyRows(const QTableView* view);

// Writes every row with the header to the file, whole or not at all; throws
// pw::Error naming the file when it cannot be written.
void writeCsv(const QTableView* view, const QString& path);

// Asks where to save the CSV file; suggestedPath is the file proposed.
// Returns the chosen path, or empty text when the user cancelled. Setting an
// empty function restores the file dialog.
using CsvFileChooser = std::function<QString(QWidget* parent, const QString& suggestedPath)>;
void setCsvFileChooser(CsvFileChooser chooser);

// Asks for a file (offering fileName, ".csv" added when the chosen name has no
// extension) and writes the grid to it with the busy pointer; a file that
// cannot be written is reported through messages(). Returns the path
// written, or empty text when cancelled or failed.
QString exportCsv(QTableView* view, const QString& fileName);

// Makes a table view a result grid with the extras: a right-click menu with
// "Copy" (Ctrl+C) and "Export to CSV..." (Ctrl+Shift+S), several rows
// selectable for copying, and sorting by a click on a column header.
// exportName is the file name offered for the export, without ".csv".
void installGridActions(QTableView* view, const QString& exportName);

// The status line under a grid of people: "1 person found", "250 people found".
QString peopleFoundText(int count);

} // namespace pw
