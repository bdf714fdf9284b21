#include "people/CsvReader.h"

#include "data/Database.h"
#include "data/Windows1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>

namespace pw::people {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(CsvReader)
    };
} // namespace

namespace {

    [[noreturn]] void refuse(const QString& fileName, const QString& why)
    {
        throw Error(Tr::tr("The file \"%1\" is not a CSV table: %2.").arg(QDir::toNativeSeparators(fileName), why));
    }

    // The formats a spreadsheet saves in when not asked for CSV, by their
    // first bytes.
    QString binaryFormat(const QByteArray& data)
    {
        if (data.startsWith("PK\x03\x04"))
            return Tr::tr("it is a spreadsheet's own format (such as .xlsx or .ods); save it as CSV first");
        if (data.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
            return Tr::tr("it is an older spreadsheet's own format (.xls); save it as CSV first");
        if (data.startsWith("%PDF"))
            return Tr::tr("it is a PDF document");
        return {};
    }

    QString decode(const QByteArray& data, QString* encoding)
    {
        if (data.startsWith("\xEF\xBB\xBF")) {
            *encoding = Tr::tr("UTF-8 with byte order mark");
            return QString::fromUtf8(data.mid(3));
        }
        if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF")) {
            *encoding = QStringLiteral("UTF-16");
            QStringDecoder utf16(QStringDecoder::Utf16, QStringDecoder::Flag::ConvertInitialBom);
            QString text = utf16(data);
            if (text.startsWith(QChar(0xFEFF)))
                text.remove(0, 1);
            return text;
        }
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(data);
        if (!utf8.hasError()) {
            *encoding = QStringLiteral("UTF-8");
            return text;
        }
        *encoding = QStringLiteral("Windows-1252");
        return fromWindows1252(data);
    }

    // The first control character that text files do not hold, or -1.
    qsizetype firstControl(const QString& text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text.at(i).unicode();
            if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || (c >= 0x7F && c < 0xA0) || c == 0xFFFD)
                return i;
        }
        return -1;
    }

    // More columns than a person has fields many times over: such a file is
    // no list of people, and its cells beyond this are counted, not kept.
    constexpr int kMaxColumns = 1000;

    struct Record {
        int line = 0;
        QStringList cells; // at most kMaxColumns + 1
        qsizetype width = 0; // the cells the record has, kept or not
    };

    // Splits the text into records by RFC 4180. Throws through refuse() for
    // a quote that is never closed, unless only the first maxRecords are
    // read as a sample.
    QList<Record> split(const QString& text, QChar separator, const QString& fileName, int maxRecords = -1)
    {
        QList<Record> records;
        Record record;
        QString cell;
        int line = 1;
        record.line = 1;
        bool quoted = false;
        bool wasQuoted = false;
        int quoteLine = 0;
        const qsizetype n = text.size();
        const auto endCell = [&] {
            if (++record.width <= kMaxColumns + 1)
                record.cells.append(wasQuoted ? cell : cell.trimmed());
            cell.clear();
            wasQuoted = false;
        };
        for (qsizetype i = 0; i < n; ++i) {
            const QChar c = text.at(i);
            if (quoted) {
                if (c == QLatin1Char('"')) {
                    if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                        cell.append(c);
                        ++i;
                    } else {
                        quoted = false;
                    }
                } else {
                    if (c == QLatin1Char('\n'))
                        ++line;
                    if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                        continue; // a quoted line break is kept as one "\n"
                    cell.append(c == QLatin1Char('\r') ? QChar(QLatin1Char('\n')) : c);
                }
                continue;
            }
            if (c == QLatin1Char('"') && cell.trimmed().isEmpty() && !wasQuoted) {
                quoted = true;
                wasQuoted = true;
                quoteLine = line;
                cell.clear();
            } else if (c == separator) {
                endCell();
            } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
                if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                    ++i;
                endCell();
                records.append(record);
                if (maxRecords > 0 && records.size() >= maxRecords)
                    return records;
                record = Record();
                record.line = ++line;
            } else if (!wasQuoted) {
                cell.append(c);
            } else if (!c.isSpace()) {
                // Text after a closing quote: kept, as spreadsheets read it.
                cell.append(c);
            }
        }
        if (quoted && maxRecords < 0)
            refuse(fileName, Tr::tr("the quote that opens a value on line %1 is never closed").arg(quoteLine));
        if (!cell.isEmpty() || wasQuoted || record.width > 0) {
            endCell();
            records.append(record);
        }
        return records;
    }

    bool blank(const QStringList& cells)
    {
        for (const QString& cell : cells) {
            if (!cell.trimmed().isEmpty())
                return false;
        }
        return true;
    }

    // The separator that splits the first rows into the same number (two or
    // more) of cells most often; ties go to the one giving more columns.
    QChar detectSeparator(const QString& text)
    {
        QChar best;
        int bestScore = 0;
        int bestColumns = 0;
        for (const QChar candidate : { QChar(QLatin1Char(',')), QChar(QLatin1Char(';')), QChar(QLatin1Char('\t')) }) {
            const QList<Record> sample = split(text, candidate, QString(), 50);
            if (sample.isEmpty() || sample.first().cells.size() < 2)
                continue;
            const int columns = sample.first().cells.size();
            int score = 0;
            for (const Record& r : sample) {
                if (r.cells.size() == columns)
                    ++score;
            }
            if (score > bestScore || (score == bestScore && columns > bestColumns)) {
                best = candidate;
                bestScore = score;
                bestColumns = columns;
            }
        }
        return best;
    }

} // namespace

QString separatorName(QChar separator)
{
    if (separator == QLatin1Char(';'))
        return Tr::tr("semicolon");
    if (separator == QLatin1Char('\t'))
        return Tr::tr("tab");
    return Tr::tr("comma");
}

CsvTable readCsv(const QByteArray& data, const QString& fileName)
{
    if (data.trimmed().isEmpty() || data == "\xEF\xBB\xBF")
        refuse(fileName, Tr::tr("it is empty"));
    const QString format = binaryFormat(data);
    if (!format.isEmpty())
        refuse(fileName, format);

    CsvTable table;
    table.file = fileName;
    const QString text = decode(data, &table.encoding);
    const qsizetype control = firstControl(text);
    if (control >= 0)
        refuse(fileName,
            Tr::tr("it holds binary data, not text (a control character on line %1)")
                .arg(text.left(control).count(QLatin1Char('\n')) + 1));

    table.separator = detectSeparator(text);
    if (table.separator.isNull())
        refuse(fileName, Tr::tr("its first line does not name columns separated by commas, semicolons or tabs"));
    QList<Record> records = split(text, table.separator, fileName);
    while (!records.isEmpty() && blank(records.first().cells))
        records.removeFirst();
    if (records.isEmpty())
        refuse(fileName, Tr::tr("it is empty"));

    for (const Record& r : std::as_const(records)) {
        if (r.width <= kMaxColumns)
            continue;
        refuse(fileName,
            Tr::tr("line %1 has %2 columns; a list of people has far fewer, and at most %3 can be read")
                .arg(r.line)
                .arg(r.width)
                .arg(kMaxColumns));
    }
    const QStringList names = records.takeFirst().cells;
    // Columns are mapped by name: a second "Phone" becomes "Phone (2)". The
    // names taken so far are kept folded in a set, and each name remembers
    // the next number to try, so a header that repeats one name thousands of
    // times is still read in one pass.
    QSet<QString> taken;
    QHash<QString, int> nextNumber;
    table.header.reserve(names.size());
    for (int i = 0; i < names.size(); ++i) {
        const QString name = names.at(i).simplified();
        QString unique = name.isEmpty() ? QStringLiteral("Column %1").arg(i + 1) : name;
        if (taken.contains(unique.toCaseFolded())) {
            int& n = nextNumber[name.toCaseFolded()];
            n = std::max(n, 2);
            do
                unique = QStringLiteral("%1 (%2)").arg(name).arg(n++);
            while (taken.contains(unique.toCaseFolded()));
        }
        taken.insert(unique.toCaseFolded());
        table.header.append(unique);
    }
    // Cells a spreadsheet adds after the last column (trailing separators)
    // have no name and no value: they are not columns.
    int lastUsed = 0; // one past the last column any row gives a value
    for (const Record& r : std::as_const(records)) {
        for (int i = std::min<int>(int(r.cells.size()), int(table.header.size())); i > lastUsed; --i) {
            if (!r.cells.at(i - 1).isEmpty()) {
                lastUsed = i;
                break;
            }
        }
    }
    while (table.header.size() > std::max(1, lastUsed) && table.header.last().startsWith(QStringLiteral("Column "))
        && names.at(table.header.size() - 1).trimmed().isEmpty())
        table.header.removeLast();

    const int columns = table.header.size();
    for (Record& r : records) {
        if (blank(r.cells))
            continue;
        CsvRow row;
        row.line = r.line;
        for (int i = columns; i < r.cells.size(); ++i) {
            if (!r.cells.at(i).trimmed().isEmpty())
                row.extra.append(r.cells.at(i));
        }
        r.cells.resize(columns);
        row.cells = r.cells;
        table.rows.append(row);
    }
    return table;
}

CsvTable readCsvFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(
            Tr::tr("The file \"%1\" could not be read: %2.").arg(QDir::toNativeSeparators(path), file.errorString()));
    return readCsv(file.readAll(), path);
}

} // namespace pw::people
