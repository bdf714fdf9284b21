#pragma once

// Reads a table as mdb-export writes it: a first line of column names, then
// one line per row; fields separated by commas; text and dates between double
// quotes with a quote inside written twice, and line breaks inside quotes
// kept as they are; numbers and yes/no values without quotes. A field with
// nothing at all, not even quotes, is a missing value: mdb-export writes a
// Null that way, and (mdbtools 1.0) an empty text as well, so the column's
// kind decides what a missing text becomes. Quoted empty text ("") is always
// empty text.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace pw::legacy {

class JetCsv {
public:
    // Reads the header line; throws ImportError when there is none.
    explicit JetCsv(QByteArray data);

    // The column names, as the file has them.
    const QStringList& header() const { return m_header; }
    // True when the text is not valid UTF-8 and is read as Windows-1252.
    bool readAsWindows1252() const { return m_windows1252; }

    // Moves to the next row. False after the last one. Throws ImportError for
    // a quote that is never closed or text after a closing quote.
    bool next();
    // Line of the file where the current row starts (the header is line 1).
    int line() const { return m_rowLine; }

    int size() const { return m_fields.size(); }
    bool isMissing(int i) const { return i >= m_fields.size() || (!m_fields[i].quoted && m_fields[i].length == 0); }
    bool isQuoted(int i) const { return i < m_fields.size() && m_fields[i].quoted; }
    // The field's text without quotes (empty for a missing field).
    QString text(int i) const;

    static bool isValidUtf8(const QByteArray& data);

private:
    struct Field {
        int start = 0;
        int length = 0;
        bool quoted = false;
        bool doubledQuotes = false;
    };
    bool readRow(QVector<Field>& fields);

    QByteArray m_data;
    int m_pos = 0;
    int m_line = 1;
    int m_rowLine = 0;
    bool m_windows1252 = false;
    QStringList m_header;
    QVector<Field> m_fields;
};

} // namespace pw::legacy
