#include "reports/ReportData.h"

#include "data/Database.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QIODevice>
#include <QTemporaryFile>
#include <cstring>
#include <utility>

namespace pw::reports {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(ReportData)
    };
} // namespace

QString designName(Design design)
{
    switch (design) {
    case Design::MemberList:
        return QStringLiteral("crptMemberNavigatorReport");
    case Design::ProspectList:
        return QStringLiteral("crptProspectNavigatorReport");
    case Design::MailingLabels:
        return QStringLiteral("crptMailingLabels");
    case Design::VisitationSheet:
        return QStringLiteral("crptProspectVisitationSheetReport");
    case Design::MemberInfoUpdate:
        return QStringLiteral("crptMemberInfoUpdateReport");
    case Design::Custom:
        return QStringLiteral("custom");
    }
    return {};
}

QString designTitle(Design design)
{
    switch (design) {
    case Design::MemberList:
        return Tr::tr("Member List");
    case Design::ProspectList:
        return Tr::tr("Prospect List");
    case Design::MailingLabels:
        return Tr::tr("Mailing Labels");
    case Design::VisitationSheet:
        return Tr::tr("Prospect Visitation Sheet");
    case Design::MemberInfoUpdate:
        return Tr::tr("Member Information Update");
    case Design::Custom:
        return {};
    }
    return {};
}

QString reportTitle(const ReportData& data)
{
    return data.design == Design::Custom && data.custom ? data.custom->title() : designTitle(data.design);
}

} // namespace pw::reports

// Packed rows ---------------------------------------------------------------------------

namespace pw::reports {

namespace {

    // A row is its cell count, the end of each cell (counted from the first
    // cell's start), then the cells: a tag byte and the value's bytes.
    enum Tag : char { Null, Text, NullText, Int, LongLong, Bool, Double, Other };

    template <class T> void appendRaw(QByteArray& out, T value)
    {
        out.append(reinterpret_cast<const char*>(&value), sizeof value);
    }

    template <class T> T readRaw(const char* at)
    {
        T value;
        std::memcpy(&value, at, sizeof value);
        return value;
    }

    // Text as UTF-8 straight into the buffer; plain ASCII, the usual case,
    // without a conversion of its own.
    void appendText(QByteArray& out, const QString& text)
    {
        const qsizetype at = out.size();
        const qsizetype n = text.size();
        out.resize(at + n);
        char* to = out.data() + at;
        const QChar* from = text.constData();
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = from[i].unicode();
            if (c >= 0x80) {
                out.resize(at + i);
                out.append(QStringView(from + i, n - i).toUtf8());
                return;
            }
            to[i] = static_cast<char>(c);
        }
    }

    void encodeCell(QByteArray& out, const QVariant& v)
    {
        if (!v.isValid()) {
            out.append(char(Null));
            return;
        }
        switch (v.typeId()) {
        case QMetaType::QString: {
            const QString& text = *static_cast<const QString*>(v.constData());
            if (text.isNull()) {
                out.append(char(NullText));
            } else {
                out.append(char(Text));
                appendText(out, text);
            }
            return;
        }
        case QMetaType::Int:
            out.append(char(Int));
            appendRaw(out, v.toInt());
            return;
        case QMetaType::LongLong:
            out.append(char(LongLong));
            appendRaw(out, v.toLongLong());
            return;
        case QMetaType::Bool:
            out.append(char(Bool));
            out.append(v.toBool() ? '\1' : '\0');
            return;
        case QMetaType::Double:
            out.append(char(Double));
            appendRaw(out, v.toDouble());
            return;
        default: {
            out.append(char(Other));
            QByteArray bytes;
            QDataStream stream(&bytes, QIODevice::WriteOnly);
            stream << v;
            out.append(bytes);
            return;
        }
        }
    }

    QVariant decodeCell(const char* at, qsizetype size)
    {
        if (size <= 0)
            return {};
        const char* payload = at + 1;
        const qsizetype length = size - 1;
        switch (Tag(*at)) {
        case Null:
            return {};
        case Text:
            return QString::fromUtf8(payload, length);
        case NullText:
            return QString();
        case Int:
            return readRaw<int>(payload);
        case LongLong:
            return readRaw<qlonglong>(payload);
        case Bool:
            return *payload != '\0';
        case Double:
            return readRaw<double>(payload);
        case Other: {
            QVariant v;
            QDataStream stream(QByteArray::fromRawData(payload, length));
            stream >> v;
            return v;
        }
        }
        return {};
    }

    // Appends the row to the buffer.
    void encodeRow(QByteArray& out, const QVariantList& row)
    {
        const auto count = static_cast<quint32>(row.size());
        const qsizetype head = out.size();
        appendRaw(out, count);
        out.resize(head + static_cast<qsizetype>(sizeof(quint32) * (count + 1)));
        const qsizetype cells = out.size();
        for (quint32 i = 0; i < count; ++i) {
            encodeCell(out, row.at(i));
            const auto end = static_cast<quint32>(out.size() - cells);
            std::memcpy(out.data() + head + sizeof(quint32) * (i + 1), &end, sizeof end);
        }
    }

} // namespace

// The file behind long tables. Rows are only ever added at its end; copies
// of a table share it, each with its own offsets.
struct TableRows::Spill {
    QTemporaryFile file { QDir::tempPath() + QStringLiteral("/pewlark-report-XXXXXX") };
    qsizetype size = 0;
};

namespace {

    qsizetype g_keptBytes = 8 * 1024 * 1024;
    // Once in the file, rows are written out an eighth of that at a time, and
    // read back a thirty-second at a time.
    qsizetype writeBytes() { return std::max<qsizetype>(g_keptBytes / 8, 1); }
    qsizetype windowBytes() { return std::max<qsizetype>(g_keptBytes / 32, 1); }

    Error fileError(const QFile& file)
    {
        return Error(Tr::tr("A long report could not keep its rows in the temporary file \"%1\": %2. Check "
                            "that the disk has room, or print fewer people at a time.")
                         .arg(QDir::toNativeSeparators(file.fileName()), file.errorString()));
    }

} // namespace

qsizetype TableRows::setKeptBytes(qsizetype bytes) { return std::exchange(g_keptBytes, bytes); }

void TableRows::clear()
{
    m_spill.reset();
    m_inFile = 0;
    m_bytes.clear();
    m_starts.clear();
    m_window.clear();
}

void TableRows::reserve(std::size_t rows, qsizetype bytes)
{
    m_starts.reserve(rows);
    if (bytes > 0)
        m_bytes.reserve(std::min(bytes, g_keptBytes));
}

void TableRows::push_back(const QVariantList& row)
{
    m_starts.push_back(m_inFile + m_bytes.size());
    append(row);
}

void TableRows::append(const QVariantList& row)
{
    encodeRow(m_bytes, row);
    if (m_bytes.size() >= (m_spill ? writeBytes() : g_keptBytes))
        moveToFile();
}

void TableRows::moveToFile()
{
    if (!m_spill) {
        m_spill = std::make_shared<Spill>();
        if (!m_spill->file.open())
            throw fileError(m_spill->file);
    }
    Spill& spill = *m_spill;
    // A copy of this table wrote to the shared file since: the rows held
    // here go after its rows.
    if (spill.size != m_inFile) {
        const qsizetype shift = spill.size - m_inFile;
        for (qsizetype& start : m_starts)
            if (start >= m_inFile)
                start += shift;
        m_inFile = spill.size;
    }
    if (!spill.file.seek(spill.size) || spill.file.write(m_bytes) != m_bytes.size())
        throw fileError(spill.file);
    spill.size += m_bytes.size();
    m_inFile = spill.size;
    m_bytes.resize(0);
}

const char* TableRows::bytesAt(qsizetype offset, qsizetype length) const
{
    if (offset >= m_inFile)
        return m_bytes.constData() + (offset - m_inFile);
    if (offset < m_windowAt || offset + length > m_windowAt + m_window.size()) {
        // A row lies wholly in the file or wholly in memory.
        QFile& file = m_spill->file;
        m_window.resize(std::min(std::max(length, windowBytes()), m_inFile - offset));
        if (!file.seek(offset) || file.read(m_window.data(), m_window.size()) != m_window.size()) {
            m_window.clear();
            throw fileError(file);
        }
        m_windowAt = offset;
    }
    return m_window.constData() + (offset - m_windowAt);
}

const char* TableRows::rowBytes(std::size_t row) const
{
    const qsizetype start = m_starts[row];
    const auto count = static_cast<qsizetype>(readRaw<quint32>(bytesAt(start, sizeof(quint32))));
    const qsizetype head = static_cast<qsizetype>(sizeof(quint32)) * (count + 1);
    const char* bytes = bytesAt(start, head);
    const qsizetype cells = count == 0 ? 0 : readRaw<quint32>(bytes + head - sizeof(quint32));
    return bytesAt(start, head + cells);
}

int TableRows::cellCount(std::size_t row) const
{
    return row < m_starts.size() ? static_cast<int>(readRaw<quint32>(rowBytes(row))) : 0;
}

QVariant TableRows::cell(std::size_t row, int column) const
{
    if (row >= m_starts.size() || column < 0)
        return {};
    const char* base = rowBytes(row);
    const int count = static_cast<int>(readRaw<quint32>(base));
    if (column >= count)
        return {};
    const char* ends = base + sizeof(quint32);
    const char* cells = ends + sizeof(quint32) * static_cast<std::size_t>(count);
    const quint32 begin = column == 0 ? 0 : readRaw<quint32>(ends + sizeof(quint32) * (column - 1));
    const quint32 end = readRaw<quint32>(ends + sizeof(quint32) * column);
    return decodeCell(cells + begin, end - begin);
}

QVariantList TableRows::rowValues(std::size_t row) const
{
    QVariantList values;
    const int count = cellCount(row);
    values.reserve(count);
    for (int c = 0; c < count; ++c)
        values.append(cell(row, c));
    return values;
}

void TableRows::setCell(std::size_t row, int column, const QVariant& value)
{
    if (row >= m_starts.size() || column < 0)
        return;
    QVariantList values = rowValues(row);
    while (values.size() <= column)
        values.append(QVariant());
    values[column] = value;
    // The changed row goes to the end; its old bytes stay unused. Only
    // tests and small edits change cells.
    m_starts[row] = m_inFile + m_bytes.size();
    append(values);
}

} // namespace pw::reports
