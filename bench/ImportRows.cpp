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

    // Writes every table of the demonstration church as mdb-export prints
    // it, into recorded output for the importer.
    void recordChurch(const QString& path, RecordedRunner& runner)
    {
        std::unique_ptr<Database> db = Database::open(path, Database::OpenMode::ExistingOnly);
        QStringList names;
        for (const TableDef& def : tableDefs()) {
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
        }
        runner.setTables(names);
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
    RecordedRunner runner;
    recordChurch(context.databasePath, runner);
    const QString oldFile = QDir(context.workDir).filePath(QStringLiteral("old-roll.mdb"));
    writeJetSignature(oldFile);

    int run = 0;
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
    context.add({ QStringLiteral("import of the older program's file"), QStringLiteral("%1 people").arg(people), ms });
}

} // namespace pw::bench
