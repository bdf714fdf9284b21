#include "legacy/JetCsv.h"

#include "data/Windows1252.h"
#include "legacy/JetTools.h"
#include <QCoreApplication>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(JetCsv)
};
} // namespace

namespace pw::legacy {

bool JetCsv::isValidUtf8(const QByteArray& data)
{
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData());
    const auto* end = p + data.size();
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        int extra = 0;
        unsigned int min = 0;
        unsigned int code = 0;
        if ((*p & 0xE0) == 0xC0) {
            extra = 1;
            min = 0x80;
            code = *p & 0x1F;
        } else if ((*p & 0xF0) == 0xE0) {
            extra = 2;
            min = 0x800;
            code = *p & 0x0F;
        } else if ((*p & 0xF8) == 0xF0) {
            extra = 3;
            min = 0x10000;
            code = *p & 0x07;
        } else {
            return false;
        }
        if (end - p <= extra)
            return false;
        for (int i = 1; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (p[i] & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        p += extra + 1;
    }
    return true;
}

JetCsv::JetCsv(QByteArray data)
    : m_data(std::move(data))
{
    // mdbtools converts the file's code page to UTF-8; a build without that
    // conversion passes the bytes of a Jet 3 file through unchanged.
    m_windows1252 = !isValidUtf8(m_data);
    QVector<Field> fields;
    if (!readRow(fields))
        throw ImportError(Tr::tr("the export has no line of column names"));
    m_fields = fields;
    for (int i = 0; i < m_fields.size(); ++i)
        m_header.append(text(i));
    m_fields.clear();
}

QString JetCsv::text(int i) const
{
    if (i >= m_fields.size())
        return QString();
    const Field& f = m_fields[i];
    const char* begin = m_data.constData() + f.start;
    if (!f.doubledQuotes)
        return m_windows1252 ? fromWindows1252(begin, f.length) : QString::fromUtf8(begin, f.length);
    QByteArray plain;
    plain.reserve(f.length);
    for (int k = 0; k < f.length; ++k) {
        plain.append(begin[k]);
        if (begin[k] == '"')
            ++k; // the second quote of a pair
    }
    return m_windows1252 ? fromWindows1252(plain.constData(), plain.size()) : QString::fromUtf8(plain);
}

bool JetCsv::next()
{
    if (!readRow(m_fields))
        return false;
    return true;
}

bool JetCsv::readRow(QVector<Field>& fields)
{
    fields.clear();
    const int n = m_data.size();
    const char* d = m_data.constData();
    if (m_pos >= n)
        return false;
    m_rowLine = m_line;
    while (true) {
        Field f;
        if (m_pos < n && d[m_pos] == '"') {
            f.quoted = true;
            const int startLine = m_line;
            int i = m_pos + 1;
            f.start = i;
            while (true) {
                if (i >= n)
                    throw ImportError(Tr::tr("line %1: a quote is never closed").arg(startLine));
                if (d[i] == '"') {
                    if (i + 1 < n && d[i + 1] == '"') {
                        f.doubledQuotes = true;
                        i += 2;
                        continue;
                    }
                    break;
                }
                if (d[i] == '\n')
                    ++m_line;
                ++i;
            }
            f.length = i - f.start;
            m_pos = i + 1;
        } else {
            f.start = m_pos;
            int i = m_pos;
            while (i < n && d[i] != ',' && d[i] != '\n')
                ++i;
            f.length = i - f.start;
            // A line ending written as CR LF.
            if (i < n && d[i] == '\n' && f.length > 0 && d[i - 1] == '\r')
                --f.length;
            m_pos = i;
        }
        fields.append(f);
        if (m_pos >= n)
            return true;
        const char c = d[m_pos];
        if (c == ',') {
            ++m_pos;
            continue;
        }
        if (c == '\r' && m_pos + 1 < n && d[m_pos + 1] == '\n')
            ++m_pos;
        if (d[m_pos] == '\n') {
            ++m_pos;
            ++m_line;
            return true;
        }
        throw ImportError(Tr::tr("line %1: text follows a closing quote").arg(m_line));
    }
}

} // namespace pw::legacy
