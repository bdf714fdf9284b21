#include "Bench.h"

#include "data/Database.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
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

} // namespace

int main(int argc, char** argv)
{
    // The application rows open windows; without a display they go offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        QTemporaryDir scratch;
        if (!scratch.isValid())
            throw pw::DbError(QStringLiteral("No temporary folder could be created: %1").arg(scratch.errorString()));

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
        // Each group adds its rows in turn; the demo generation comes first
        // because every later row reads the church it wrote.
        using Group = void (*)(BenchContext&);
        for (Group group :
            { Group(addDataRows), Group(addAppRows), Group(addReportRows), Group(addMemberRows), Group(addImportRows) })
            group(context);

        out << '\n';
        printTable(context.rows, out);
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
