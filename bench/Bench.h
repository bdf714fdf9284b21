#pragma once

// A small benchmark framework: each operation is run several times and its
// median is printed as one row of a table, next to the time plain SQLite
// needs for the same query where that comparison makes sense.

#include "data/Clock.h"
#include "widgets/Context.h"
#include "widgets/Messages.h"

#include <QString>
#include <QTextStream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

namespace pw {
class Database;
}

namespace pw::navigators {
struct SearchStatement;
}

namespace pw::bench {

// Timed work must not ask or tell anything: a message means the operation
// failed, so it ends the run with the message's text.
class ThrowingMessages : public Messages {
public:
    void show(const QString& text, const QString&, Icon) override { throw std::runtime_error(text.toStdString()); }
    Answer ask(const QString& text, const QString&, Icon) override { throw std::runtime_error(text.toStdString()); }
    int choose(const QString& text, const QString&, const QStringList&, int, int, Icon) override
    {
        throw std::runtime_error(text.toStdString());
    }
};

struct Row {
    QString op; // what was measured
    QString size; // how much of it, e.g. "100000 people"
    double medianMs = 0;
    double rawMs = -1; // the same query through the sqlite3 C API; below 0 when it does not apply
    bool megabytes = false; // medianMs holds a memory size in MB instead
};

struct BenchContext {
    int people = 100000;
    int runs = 3;
    QString workDir; // scratch folder, removed at the end
    QString keepDir; // --keep: the reused database is written here and left behind
    QString databasePath; // the generated demonstration church that later rows reuse
    // --engine postgresql: the church copied onto the server, which the
    // screen, member and navigator rows then use instead of the file.
    QString serverLocation;
    bool onServer() const { return !serverLocation.isEmpty(); }
    // Where the rows read the church: the server's copy, or the file.
    QString church() const { return onServer() ? serverLocation : databasePath; }
    std::vector<Row> rows;

    // Records a row and reports it at once, so a long run shows progress.
    void add(const Row& row);
};

// The program's context for rows that run screens, searches and reports:
// the church opened as the database, a clock, messages that throw and, for
// screens, an "Admin" session with an office's keypress delay and picture
// folder. The church is the one the rows read (context.church()) unless a
// location is given. The context before it comes back when it goes, also when a row
// throws.
class Session {
public:
    enum class Login { None, Admin };
    explicit Session(const BenchContext& context, Login login = Login::Admin, const QString& location = {});
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    Database& db() { return *m_db; }

private:
    Context m_saved;
    std::unique_ptr<Database> m_db;
    SystemClock m_clock;
    ThrowingMessages m_messages;
};

// Runs work `runs` times and returns the median wall-clock time in ms. The
// optional `between` runs before each run, untimed (closing a window, making
// a cache stale).
double medianMs(int runs, const std::function<void()>& work, const std::function<void()>& between = {});

// Median time of preparing `sql` on a read-only sqlite3 connection to the
// file and stepping through every row, reading every column; for a
// postgresql:// location, of running it through libpq and reading every
// value. The connection is opened once, outside the timing; one untimed run
// warms the caches. Returns the number of rows read through rowCount when
// given.
double rawQueryMs(const QString& path, const QString& sql, int runs, qint64* rowCount = nullptr);

// The case-blind collation raw statements use on that database.
QString rawCaseBlind(const QString& path);

// A navigator's search statement for the stock sqlite3 library, its values
// written in, for rawQueryMs.
QString rawSearchSql(const navigators::SearchStatement& statement);

// The process's peak resident size in MB since the last resetPeakMemory()
// (-1 where the system cannot start the peak afresh: Windows), and its
// resident size now.
double peakMemoryMb();
double residentMemoryMb();
void resetPeakMemory();

// Hands a value to the outside world so that the compiler cannot drop the
// work that produced it.
void consume(qint64 value);

void printTable(const std::vector<Row>& rows, QTextStream& out);

// The rows of one run as lines of tab-separated fields, and back, for
// --scale to put the runs of two sizes side by side.
void writeRows(const std::vector<Row>& rows, const QString& path);
std::vector<Row> readRows(const QString& path);
// Two runs side by side: each operation's figures at both sizes and how
// much the larger one took in proportion to the smaller.
void printScaleTable(const std::vector<Row>& small, const std::vector<Row>& large, QTextStream& out);

// The largest resident size of the whole process so far, in MB, also
// across resetPeakMemory().
double processPeakMemoryMb();

// Groups of rows, run in this order by main().

// --engine postgresql: the church copied onto the server (sets
// serverLocation); see ServerRows.cpp.
void addServerCopyRow(BenchContext& context, const QString& maintenance);
void dropServerCopy(const QString& maintenance);

// "demo generation" (sets databasePath) and the data-layer queries.
void addDataRows(BenchContext& context);
// Start-up and login of the application; see AppRows.cpp.
void addAppRows(BenchContext& context);
// The report data sets, their PDF output and the report launcher; see ReportRows.cpp.
void addReportRows(BenchContext& context);
// The member entry screen: loading, saving, type-ahead; see MemberRows.cpp.
void addMemberRows(BenchContext& context);
// Screens as a user waits for them: from the menu command to the window
// shown and painted; see ScreenRows.cpp.
void addScreenRows(BenchContext& context);
// Importing the older program's file, made from the demonstration church; see ImportRows.cpp.
void addImportRows(BenchContext& context);
// Importing people from a spreadsheet, and the duplicate check; see PeopleRows.cpp.
void addPeopleRows(BenchContext& context);
// The navigators' searches, result grids and export; see NavigatorRows.cpp.
void addNavigatorRows(BenchContext& context);
// Roll calls, the member screen's attendance and the attendance reports; see AttendanceRows.cpp.
void addAttendanceRows(BenchContext& context);
void addGivingRows(BenchContext& context);
// The roster screen and the fill of a quarter; see RosterRows.cpp.
void addRosterRows(BenchContext& context);
// Finding a family at the check-in station and checking children in; see CheckinRows.cpp.
void addCheckinRows(BenchContext& context);
// The church directory read and laid out; see DirectoryRows.cpp.
void addDirectoryRows(BenchContext& context);
// Possible Duplicates over the whole church and the check of a new person
// given by name alone; see DuplicateRows.cpp.
void addDuplicateRows(BenchContext& context);
// The duplicate check of one new person and merging people; see
// MergeRows.cpp. Merges people of the church, so it runs after every group
// that reads it.
void addMergeRows(BenchContext& context);

} // namespace pw::bench
