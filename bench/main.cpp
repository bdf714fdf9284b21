#include "Bench.h"

#include "app/Startup.h"
#include "data/Database.h"
#include "data/Platform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace pw::bench;

namespace {

int positive(const QCommandLineParser& parser, const QString& name, int fallback)
{
    if (!parser.isSet(name))
        return fallback;
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value <= 0)
        throw pw::DbError(
            QStringLiteral("--%1 needs a positive whole number, not \"%2\".").arg(name, parser.value(name)));
    return value;
}

// Runs this program once per size with the same options, each in a
// process of its own so that one size's memory does not count for the
// other, and prints their rows side by side.
int runScaled(const QCommandLineParser& parser, int small, int large, QTextStream& out)
{
    QTemporaryDir scratch;
    QStringList passed;
    for (const QString& name : { QStringLiteral("runs"), QStringLiteral("keep"), QStringLiteral("only"),
             QStringLiteral("engine"), QStringLiteral("server") })
        if (parser.isSet(name))
            passed << QStringLiteral("--") + name << parser.value(name);
    std::vector<Row> runs[2];
    const int sizes[2] = { small, large };
    for (int i = 0; i < 2; ++i) {
        const QString rows = scratch.filePath(QStringLiteral("rows-%1.tsv").arg(sizes[i]));
        QProcess run;
        run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        run.setStandardOutputFile(QProcess::nullDevice());
        run.start(QCoreApplication::applicationFilePath(),
            passed
                + QStringList {
                    QStringLiteral("--people"), QString::number(sizes[i]), QStringLiteral("--rows-to"), rows });
        if (!run.waitForFinished(-1) || run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0)
            throw pw::DbError(QStringLiteral("The run with %1 people failed.").arg(sizes[i]));
        runs[i] = readRows(rows);
    }
    out << '\n';
    printScaleTable(runs[0], runs[1], out);
    return 0;
}

int run(int argc, char** argv)
{
    // The application rows open windows; without a display they go offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The platform's notes (missing fonts, offscreen features) would break up the table.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "qt.qpa.*=false;qt.text.font.*=false");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pewlark-bench"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Times Pewlark's operations on a generated church."));
    parser.addHelpOption();
    parser.addOption({ QStringLiteral("people"), QStringLiteral("People in the generated church (default 100000)."),
        QStringLiteral("N") });
    parser.addOption({ QStringLiteral("runs"), QStringLiteral("Runs per operation; the median is shown (default 3)."),
        QStringLiteral("R") });
    parser.addOption({ QStringLiteral("keep"), QStringLiteral("Write the generated church into DIR and keep it."),
        QStringLiteral("DIR") });
    parser.addOption({ QStringLiteral("database"),
        QStringLiteral("Time a copy of this existing church instead of generating one (no generation row)."),
        QStringLiteral("FILE") });
    parser.addOption({ QStringLiteral("only"),
        QStringLiteral(
            "Run only these groups of rows, separated by commas: data, app, reports, members, screens, "
            "import, navigators, attendance, giving, rosters, checkin, directory, people, duplicates, merge."),
        QStringLiteral("GROUPS") });
    parser.addOption({ QStringLiteral("engine"),
        QStringLiteral("sqlite (default) or postgresql: copy the church onto the server and run the members, screens "
                       "and navigators rows there, beside the raw query through libpq."),
        QStringLiteral("ENGINE") });
    parser.addOption({ QStringLiteral("scale"),
        QStringLiteral("Run at --people N (default 100000) and at --scale-to M (default 1000000), each in a process of "
                       "its own, and print both sizes' figures side by side with the growth between them.") });
    parser.addOption({ QStringLiteral("scale-to"), QStringLiteral("The larger church of --scale (default 1000000)."),
        QStringLiteral("M") });
    parser.addOption({ QStringLiteral("rows-to"), QStringLiteral("Also write the rows to FILE (used by --scale)."),
        QStringLiteral("FILE") });
    parser.addOption({ QStringLiteral("server"),
        QStringLiteral("With --engine postgresql: the server's maintenance database, where the bench database is "
                       "created and dropped (default postgresql:///postgres, the local socket)."),
        QStringLiteral("LOCATION") });
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        QTemporaryDir scratch;
        if (!scratch.isValid())
            throw pw::DbError(QStringLiteral("No temporary folder could be created: %1").arg(scratch.errorString()));

        if (parser.isSet(QStringLiteral("scale"))) {
            if (parser.isSet(QStringLiteral("database")))
                throw pw::DbError(QStringLiteral("--scale generates its churches; leave out --database."));
            return runScaled(parser, positive(parser, QStringLiteral("people"), 100000),
                positive(parser, QStringLiteral("scale-to"), 1000000), out);
        }

        BenchContext context;
        context.people = positive(parser, QStringLiteral("people"), 100000);
        context.runs = positive(parser, QStringLiteral("runs"), 3);
        context.workDir = scratch.path();
        if (parser.isSet(QStringLiteral("keep"))) {
            context.keepDir = parser.value(QStringLiteral("keep"));
            if (!QDir(context.keepDir).exists())
                throw pw::DbError(QStringLiteral("The folder \"%1\" does not exist.").arg(context.keepDir));
        }

        err << "pewlark-bench: " << context.people << " people, " << context.runs << " runs" << Qt::endl;
        if (parser.isSet(QStringLiteral("database"))) {
            const QString source = parser.value(QStringLiteral("database"));
            context.databasePath = QDir(context.workDir).filePath(QStringLiteral("church.sqlite"));
            if (!QFile::copy(source, context.databasePath))
                throw pw::DbError(QStringLiteral("The church \"%1\" could not be copied.").arg(source));
            context.people = pw::Database::open(context.databasePath, pw::Database::OpenMode::ExistingOnly)
                                 ->scalar(QStringLiteral("SELECT COUNT(*) FROM Member"))
                                 .toInt();
        }
        QStringList only = parser.value(QStringLiteral("only")).split(QLatin1Char(','), Qt::SkipEmptyParts);
        const QString engine = parser.value(QStringLiteral("engine"));
        if (!engine.isEmpty() && engine != QLatin1String("sqlite") && engine != QLatin1String("postgresql"))
            throw pw::DbError(QStringLiteral("--engine is sqlite or postgresql, not \"%1\".").arg(engine));
        const bool server = engine == QLatin1String("postgresql");
        const QString maintenance = parser.isSet(QStringLiteral("server")) ? parser.value(QStringLiteral("server"))
                                                                           : QStringLiteral("postgresql:///postgres");
        // The rows that read the church through the program's connection
        // run on the server; the others time files only.
        const QStringList serverGroups
            = { QStringLiteral("members"), QStringLiteral("screens"), QStringLiteral("navigators") };
        if (server) {
            for (const QString& group : std::as_const(only))
                if (!serverGroups.contains(group))
                    throw pw::DbError(
                        QStringLiteral("The %1 rows time database files only; leave them out with --engine postgresql.")
                            .arg(group));
            if (only.isEmpty())
                only = serverGroups;
        }

        // Each group adds its rows in turn; the data rows come first because
        // they generate the church every later row reads (unless one was given).
        using Group = void (*)(BenchContext&);
        const QList<QPair<QString, Group>> groups = { { QStringLiteral("data"), addDataRows },
            { QStringLiteral("app"), addAppRows }, { QStringLiteral("reports"), addReportRows },
            { QStringLiteral("members"), addMemberRows }, { QStringLiteral("screens"), addScreenRows },
            { QStringLiteral("import"), addImportRows }, { QStringLiteral("navigators"), addNavigatorRows },
            { QStringLiteral("attendance"), addAttendanceRows }, { QStringLiteral("giving"), addGivingRows },
            { QStringLiteral("rosters"), addRosterRows }, { QStringLiteral("checkin"), addCheckinRows },
            { QStringLiteral("directory"), addDirectoryRows }, { QStringLiteral("people"), addPeopleRows },
            { QStringLiteral("duplicates"), addDuplicateRows }, { QStringLiteral("merge"), addMergeRows } };
        for (const auto& group : groups) {
            const bool wanted = only.isEmpty() || only.contains(group.first);
            if (context.databasePath.isEmpty() && group.first == QLatin1String("data"))
                group.second(context); // every other group needs the church it generates
            else if (wanted)
                group.second(context);
            if (server && !context.onServer())
                addServerCopyRow(context, maintenance);
        }
        if (server)
            dropServerCopy(maintenance);

        context.add({ QStringLiteral("whole bench process, maximum resident set"),
            QStringLiteral("%1 people").arg(context.people), processPeakMemoryMb(), -1, true });
        out << '\n';
        printTable(context.rows, out);
        if (parser.isSet(QStringLiteral("rows-to")))
            writeRows(context.rows, parser.value(QStringLiteral("rows-to")));
        if (!context.keepDir.isEmpty())
            err << "The generated church was kept as " << QDir::toNativeSeparators(context.databasePath) << Qt::endl;
    } catch (const pw::DbError& e) {
        err << "pewlark-bench: " << e.text() << Qt::endl;
        return 1;
    } catch (const std::exception& e) {
        err << "pewlark-bench: " << e.what() << Qt::endl;
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    pw::platform::prepareProcess(); // as the program does
    pw::returnFreedMemory();
    return pw::platform::endProcess(run(argc, argv));
}
