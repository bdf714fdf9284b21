#include "Bench.h"

#include "data/Database.h"
#include "legacy/Importer.h"
#include "legacy/JetTools.h"
#include "legacy/LegacyTables.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>

namespace pw::bench {

namespace {

    using namespace pw::legacy;

    QByteArray quoted(const QString& text) { return '"' + text.toUtf8().replace("\"", "\"\"") + '"'; }

    // One value as mdb-export prints it: text and dates in quotes, dates as
    // "YYYY-MM-DD HH:MM:SS", numbers and yes/no bare, nothing for a Null or
    // an empty text. Passwords are plain text in the old file.
    QByteArray exported(Kind kind, const QVariant& value)
    {
        if (kind == Kind::Password)
            return quoted(QStringLiteral("Hymnal 1956"));
        if (value.isNull())
            return {};
        switch (kind) {
        case Kind::Text:
        case Kind::OptionalText:
        case Kind::Password: {
            const QString text = value.toString();
            return text.isEmpty() ? QByteArray() : quoted(text);
        }
        case Kind::Date:
            return quoted(value.toString().left(10) + QStringLiteral(" 00:00:00"));
        case Kind::DateTime:
            return quoted(value.toString().replace(QLatin1Char('T'), QLatin1Char(' ')));
        default:
            return value.toString().toUtf8();
        }
    }

    // Writes the tables of the demonstration church as mdb-export prints
    // them, into recorded output for the importer: those of the older
    // program, and with laterTables also those only a later Pewlark writes
    // into such a file (the attendance).
    qint64 recordChurch(const QString& path, RecordedRunner& runner, bool laterTables)
    {
        std::unique_ptr<Database> db = Database::open(path, Database::OpenMode::ExistingOnly);
        QStringList names;
        qint64 laterRows = 0;
        for (const TableDef& def : tableDefs()) {
            if (def.pewlarkOnly && !laterTables)
                continue;
            QStringList header;
            for (const ColumnDef& c : def.columns)
                header.append(sqlName(c.name));
            QByteArray csv = header.join(QLatin1Char(',')).toUtf8().replace("\"", "") + '\n';
            qint64 rows = 0;
            db->forEach(QStringLiteral("SELECT %1 FROM %2").arg(header.join(QStringLiteral(", ")), sqlName(def.name)),
                {}, [&](const QSqlQuery& q) {
                    for (std::size_t i = 0; i < def.columns.size(); ++i) {
                        if (i > 0)
                            csv += ',';
                        csv += exported(def.columns[i].kind, q.value(static_cast<int>(i)));
                    }
                    csv += '\n';
                    ++rows;
                });
            runner.setExport(def.name, csv);
            runner.setCount(def.name, rows);
            names.append(def.name);
            laterRows += def.pewlarkOnly ? rows : 0;
        }
        runner.setTables(names);
        return laterRows;
    }

    void writeJetSignature(const QString& path)
    {
        QByteArray page(3 * 4096, '\0');
        page[1] = 1;
        page.replace(4, 16, QByteArray("Standard Jet DB\0", 16));
        page[0x14] = 1;
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(page) != page.size())
            throw DbError(QStringLiteral("\"%1\" could not be written.").arg(path));
    }

} // namespace

void addImportRows(BenchContext& context)
{
    const QString oldFile = QDir(context.workDir).filePath(QStringLiteral("old-roll.mdb"));
    writeJetSignature(oldFile);
    int run = 0;
    // The older program's own tables; then the same file as a later Pewlark
    // writes it back, with the church's attendance (millions of rows the
    // older program never had).
    for (const bool laterTables : { false, true }) {
        RecordedRunner runner;
        const qint64 laterRows = recordChurch(context.databasePath, runner, laterTables);
        qint64 people = 0;
        const double ms = medianMs(context.runs, [&] {
            const QString target = QDir(context.workDir).filePath(QStringLiteral("imported-%1.sqlite").arg(run++));
            Importer importer(runner, ImportOptions { oldFile, target, {} });
            const ImportResult result = importer.run();
            if (!result.succeeded)
                throw DbError(result.failure);
            people = result.tables.front().newRows;
            QFile::remove(target);
        });
        if (laterTables)
            context.add({ QStringLiteral("import of a file with a later Pewlark's attendance"),
                QStringLiteral("%1 people, %2 attendance and headcount rows").arg(people).arg(laterRows), ms });
        else
            context.add(
                { QStringLiteral("import of the older program's file"), QStringLiteral("%1 people").arg(people), ms });
    }
}

} // namespace pw::bench
