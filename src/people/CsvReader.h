#pragma once

// Reads a table saved by a spreadsheet program as CSV: UTF-8 with or without
// its byte order mark, UTF-16 with its mark, or else Windows-1252; fields
// separated by commas, semicolons or tabs (whichever the file uses
// consistently); fields in double quotes may hold separators, line breaks
// and quotes written twice. The first row names the columns.

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

namespace pw::people {

struct CsvRow {
    int line = 0; // line of the file where the row starts; the header is line 1
    QStringList cells; // as many as the header has, missing ones empty
    QStringList extra; // non-empty cells beyond the last named column
};

struct CsvTable {
    QString file; // as given
    QString encoding; // "UTF-8", "UTF-8 with byte order mark", "UTF-16", "Windows-1252"
    QChar separator;
    QStringList header; // trimmed; a nameless column is "Column N"
    QList<CsvRow> rows; // rows with at least one value; empty lines are left out
};

// Reads the file. Throws Error "The file "..." is not a CSV table: <why>."
// for an empty file, a spreadsheet's or another program's binary format,
// text with control characters, a single column, more than 1000 columns
// (a person has a few dozen fields; the header is read in one pass whatever
// its width), or a quote never closed,
// and "The file "..." could not be read: <why>." when it cannot be opened.
CsvTable readCsvFile(const QString& path);

// The same for data already read; fileName is only for messages.
CsvTable readCsv(const QByteArray& data, const QString& fileName);

// The separator's name for people: "comma", "semicolon", "tab".
QString separatorName(QChar separator);

} // namespace pw::people
