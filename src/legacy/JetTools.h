#pragma once

// Reading the older program's Jet (".mdb") files with mdbtools. Every call of
// an mdbtools program goes through ToolRunner, which tests replace with
// recorded output; JetTools turns those outputs into tables, counts and CSV.

#include "data/Database.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace pw::legacy {

// A refusal or failure of the import, with a text for the user.
class ImportError : public Error {
public:
    using Error::Error;
};

// What one run of a program printed.
struct ToolOutput {
    bool found = true; // false: the program is not installed
    int exitCode = 0;
    QByteArray out;
    QByteArray err;
};

// The values of one table's date columns as the file holds them: Jet's days
// since 1899-12-30, the time of day as the fraction. mdb-export prints any
// date before 1899-12-30 or after about the year 4637 as "1900-01-00
// 00:00:00", so the import reads them from the file itself (libmdb).
struct JetDates {
    QStringList columns; // the table's date columns, as the file names them
    // One entry per row in the order mdb-export writes the rows, one value
    // per column; nothing for a Null.
    QVector<QVector<std::optional<double>>> rows;
};

// Runs one mdbtools program and collects what it printed, and reads a
// table's dates through mdbtools' library.
class ToolRunner {
public:
    virtual ~ToolRunner() = default;
    virtual ToolOutput run(const QString& program, const QStringList& arguments) = 0;
    // Nothing when the library cannot read the table.
    virtual std::optional<JetDates> dates(const QString& file, const QString& table) = 0;
};

// Runs the installed programs. Text is asked for as UTF-8 and, for Jet 3
// files, read in the code page Windows offices use (Windows-1252) unless the
// environment names another one in MDB_JET3_CHARSET. With searchPath empty
// the programs are looked up in PATH.
class ProcessRunner : public ToolRunner {
public:
    explicit ProcessRunner(QStringList searchPath = {});
    ToolOutput run(const QString& program, const QStringList& arguments) override;
    std::optional<JetDates> dates(const QString& file, const QString& table) override;

private:
    QStringList m_searchPath;
};

// Answers from recorded output: "mdb-tables" gives the table list, and
// "mdb-export TABLE" / "mdb-count TABLE" the output recorded for that table.
// A call without a recording behaves as a failing program. Every call is kept
// in calls, as the program name followed by its arguments.
class RecordedRunner : public ToolRunner {
public:
    ToolOutput run(const QString& program, const QStringList& arguments) override;
    // The dates recorded for the table; nothing when none were.
    std::optional<JetDates> dates(const QString& file, const QString& table) override;
    void setDates(const QString& table, const JetDates& dates) { m_dates.insert(table, dates); }

    // Records the table list, and each table's export and count.
    void setTables(const QStringList& tables);
    void setExport(const QString& table, const QByteArray& csv);
    void setCount(const QString& table, qint64 rows);
    // Records a program's output for one key ("mdb-tables", "mdb-export Member").
    void record(const QString& key, const ToolOutput& output);
    bool has(const QString& key) const { return m_outputs.contains(key); }

    QStringList calls;
    bool installed = true; // false: every program is missing

private:
    QHash<QString, ToolOutput> m_outputs;
    QHash<QString, JetDates> m_dates;
};

// The Jet version named in a file's first page.
enum class JetVersion { Jet3, Jet4, Ace };

// The mdbtools calls the import needs, with their failures turned into
// messages that name the file.
class JetTools {
public:
    JetTools(ToolRunner& runner, QString file);

    // Reads the file's first page: throws ImportError when the file is
    // missing, unreadable, too short or not a Jet database at all.
    JetVersion checkSignature() const;
    // The file's tables; throws when mdbtools is missing or cannot read them.
    QStringList tables();
    // The number of rows the file says the table holds.
    qint64 count(const QString& table);
    // The table as mdb-export writes it: a header line of column names, one
    // line per row, text in double quotes, dates as "YYYY-MM-DD HH:MM:SS".
    QByteArray exportTable(const QString& table);
    // True when the export printed a date it cannot print (before 1899-12-30
    // or after about the year 4637): only then must the table's dates be read
    // from the file itself.
    static bool lostDates(const QByteArray& exported);
    // The table's dates as the file holds them; nothing when they cannot be
    // read that way (the export's text is then all there is).
    std::optional<JetDates> dates(const QString& table);

    // "Jet 3", "Jet 4" or "Access 2007 or later", for the report.
    static QString versionName(JetVersion version);

private:
    ToolOutput call(const QString& program, const QStringList& arguments);
    [[noreturn]] void damaged(const QString& what, const ToolOutput& output) const;

    ToolRunner& m_runner;
    QString m_file;
};

// The Debian package that holds the programs, named in the refusal when they are missing.
inline constexpr const char* kMdbToolsPackage = "mdbtools";

} // namespace pw::legacy
