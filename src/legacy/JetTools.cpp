#include "legacy/JetTools.h"

#include "data/Platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(JetTools)
};
} // namespace

namespace pw::legacy {

namespace {

    // Dates and date-times both come out in full; the target column decides
    // whether the time is kept. Without these options mdb-export writes the
    // year with two digits.
    const char* const kDateFormat = "%Y-%m-%d %H:%M:%S";

    QString firstLines(const QByteArray& text, int lines = 3)
    {
        const QStringList all = QString::fromUtf8(text).trimmed().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return all.mid(0, lines).join(QStringLiteral("; ")).trimmed();
    }

} // namespace

ProcessRunner::ProcessRunner(QStringList searchPath)
    : m_searchPath(std::move(searchPath))
{
}

ToolOutput ProcessRunner::run(const QString& program, const QStringList& arguments)
{
    ToolOutput result;
    // The tools that ship with the program come first, then the PATH.
    QString path;
    if (m_searchPath.isEmpty() && !platform::bundledToolsFolder().isEmpty())
        path = QStandardPaths::findExecutable(program, { platform::bundledToolsFolder() });
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(program, m_searchPath);
    if (path.isEmpty()) {
        result.found = false;
        return result;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("MDBICONV"), QStringLiteral("UTF-8"));
    if (env.value(QStringLiteral("MDB_JET3_CHARSET")).isEmpty())
        env.insert(QStringLiteral("MDB_JET3_CHARSET"), QStringLiteral("CP1252"));

    QProcess process;
    process.setProcessEnvironment(env);
    process.start(path, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(-1)) {
        result.found = false;
        return result;
    }
    // Read as it comes, so that a large export never fills the pipe.
    while (!process.waitForFinished(200)) {
        result.out += process.readAllStandardOutput();
        result.err += process.readAllStandardError();
        if (process.state() == QProcess::NotRunning)
            break;
    }
    result.out += process.readAllStandardOutput();
    result.err += process.readAllStandardError();
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

ToolOutput RecordedRunner::run(const QString& program, const QStringList& arguments)
{
    calls.append((QStringList { program } + arguments).join(QLatin1Char(' ')));
    ToolOutput none;
    if (!installed) {
        none.found = false;
        return none;
    }
    QString key = program;
    if (program != QLatin1String("mdb-tables") && !arguments.isEmpty())
        key += QLatin1Char(' ') + arguments.last();
    if (const auto it = m_outputs.constFind(key); it != m_outputs.constEnd())
        return *it;
    none.exitCode = 1;
    none.err = "No recording for " + key.toUtf8() + "\n";
    return none;
}

std::optional<JetDates> RecordedRunner::dates(const QString&, const QString& table)
{
    calls.append(QStringLiteral("dates ") + table);
    if (const auto it = m_dates.constFind(table); it != m_dates.constEnd())
        return *it;
    return std::nullopt;
}

void RecordedRunner::setTables(const QStringList& tables)
{
    record(QStringLiteral("mdb-tables"), ToolOutput { true, 0, tables.join(QLatin1Char('\n')).toUtf8() + '\n', {} });
}

void RecordedRunner::setExport(const QString& table, const QByteArray& csv)
{
    record(QStringLiteral("mdb-export ") + table, ToolOutput { true, 0, csv, {} });
}

void RecordedRunner::setCount(const QString& table, qint64 rows)
{
    record(QStringLiteral("mdb-count ") + table, ToolOutput { true, 0, QByteArray::number(rows) + '\n', {} });
}

void RecordedRunner::record(const QString& key, const ToolOutput& output) { m_outputs.insert(key, output); }

JetTools::JetTools(ToolRunner& runner, QString file)
    : m_runner(runner)
    , m_file(std::move(file))
{
}

QString JetTools::versionName(JetVersion version)
{
    switch (version) {
    case JetVersion::Jet3:
        return QStringLiteral("Jet 3");
    case JetVersion::Jet4:
        return QStringLiteral("Jet 4");
    case JetVersion::Ace:
        break;
    }
    return Tr::tr("Access 2007 or later");
}

JetVersion JetTools::checkSignature() const
{
    const QFileInfo info(m_file);
    if (!info.exists())
        throw ImportError(Tr::tr("The file \"%1\" does not exist.").arg(m_file));
    if (!info.isFile())
        throw ImportError(Tr::tr("\"%1\" is not a file.").arg(m_file));
    QFile file(m_file);
    if (!file.open(QIODevice::ReadOnly))
        throw ImportError(Tr::tr("The file \"%1\" could not be read: %2").arg(m_file, file.errorString()));
    const QByteArray head = file.read(0x20);

    // The first page starts with 00 01 00 00 and the engine's name; the
    // byte at 0x14 gives the version.
    const bool jet = head.size() >= 0x15 && head.startsWith(QByteArray("\x00\x01\x00\x00", 4))
        && (head.mid(4, 16) == QByteArray("Standard Jet DB\0", 16)
            || head.mid(4, 16) == QByteArray("Standard ACE DB\0", 16));
    if (!jet)
        throw ImportError(
            Tr::tr("The file \"%1\" is not a Jet database (.mdb) file; nothing was imported.").arg(m_file));
    const int code = static_cast<unsigned char>(head.at(0x14));
    const JetVersion version = code == 0 ? JetVersion::Jet3 : code == 1 ? JetVersion::Jet4 : JetVersion::Ace;
    // Even an empty database has its catalogue on the third page.
    const qint64 pageSize = version == JetVersion::Jet3 ? 2048 : 4096;
    if (info.size() < 3 * pageSize)
        throw ImportError(Tr::tr("The file \"%1\" is damaged: it is cut short (%2 bytes); nothing was imported.")
                              .arg(m_file)
                              .arg(info.size()));
    return version;
}

ToolOutput JetTools::call(const QString& program, const QStringList& arguments)
{
    ToolOutput output = m_runner.run(program, arguments);
    if (!output.found)
        throw ImportError(Tr::tr("The program %1 was not found. Reading the older program's files needs "
                                 "mdbtools: install the Debian package \"%2\" (sudo apt-get install %2) and "
                                 "run the import again.")
                              .arg(program, QLatin1String(kMdbToolsPackage)));
    return output;
}

void JetTools::damaged(const QString& what, const ToolOutput& output) const
{
    QString detail = firstLines(output.err);
    if (detail.isEmpty())
        detail = Tr::tr("exit code %1").arg(output.exitCode);
    throw ImportError(
        Tr::tr("The file \"%1\" is damaged: %2 (mdbtools: %3); nothing was imported.").arg(m_file, what, detail));
}

std::optional<JetDates> JetTools::dates(const QString& table) { return m_runner.dates(m_file, table); }

bool JetTools::lostDates(const QByteArray& exported)
{
    // What kDateFormat makes of a date mdbtools cannot convert: day 0 of 1900.
    return exported.contains("\"1900-01-00 ");
}

QStringList JetTools::tables()
{
    const ToolOutput output = call(QStringLiteral("mdb-tables"), { QStringLiteral("-1"), m_file });
    if (output.exitCode != 0)
        damaged(Tr::tr("its list of tables cannot be read"), output);
    QStringList names;
    for (const QString& line : QString::fromUtf8(output.out).split(QLatin1Char('\n'))) {
        // One name a line, the line ended by \n or, from a Windows build, \r\n.
        const QString name = line.endsWith(QLatin1Char('\r')) ? line.chopped(1) : line;
        if (!name.trimmed().isEmpty())
            names.append(name);
    }
    return names;
}

qint64 JetTools::count(const QString& table)
{
    const ToolOutput output = call(QStringLiteral("mdb-count"), { m_file, table });
    bool ok = false;
    const qint64 rows = output.out.trimmed().toLongLong(&ok);
    if (output.exitCode != 0 || !ok || rows < 0)
        damaged(Tr::tr("the size of table %1 cannot be read").arg(table), output);
    return rows;
}

QByteArray JetTools::exportTable(const QString& table)
{
    const QString format = QString::fromLatin1(kDateFormat);
    ToolOutput output = call(
        QStringLiteral("mdb-export"), { QStringLiteral("-D"), format, QStringLiteral("-T"), format, m_file, table });
    // A sound file exports without a word on standard error; mdbtools warns
    // there about pages that do not belong where they should.
    if (output.exitCode != 0 || !output.err.trimmed().isEmpty())
        damaged(Tr::tr("table %1 cannot be read whole").arg(table), output);
    return std::move(output.out);
}

} // namespace pw::legacy
