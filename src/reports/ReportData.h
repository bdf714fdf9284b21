#pragma once

// What a report is made of: the design it is laid out with and the rows the
// report operations read for it. The operations (Reports.h) fill it; the
// layouts (Report.h) paint it. Columns are matched to fields by position.

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

namespace pw::reports {

enum class Design {
    MemberList, // crptMemberNavigatorReport
    ProspectList, // crptProspectNavigatorReport: main table plus the contacts
    MailingLabels, // crptMailingLabels
    VisitationSheet, // crptProspectVisitationSheetReport: plus the family text
    MemberInfoUpdate, // crptMemberInfoUpdateReport: plus the family text
    Custom, // laid out by ReportData::custom, for reports of other folders
};

// The design's own name, e.g. "crptMailingLabels".
QString designName(Design design);
// The title a secretary reads on the page and in the viewer, e.g. "Member List".
QString designTitle(Design design);

// The rows of a table, each a list of values, kept packed one after the
// other instead of as a QVariant for every cell. A long table keeps only its
// last few megabytes in memory and the rest in a temporary file, from which
// a row is read back when it is laid out: a list of a million people needs
// about 8 bytes of memory per row, whatever else it holds. Rows are read and
// added as QVariantLists; a cell can be replaced through rows[r][c] = value.
// Copies share the file.
class TableRows {
public:
    class CellRef;
    class RowRef;
    class const_iterator;

    std::size_t size() const { return m_starts.size(); }
    bool empty() const { return m_starts.empty(); }
    void clear();
    void reserve(std::size_t rows, qsizetype bytes = 0);
    void push_back(const QVariantList& row);

    QVariantList operator[](std::size_t row) const { return rowValues(row); }
    RowRef operator[](std::size_t row);
    // One cell; Null beyond the row's last cell.
    QVariant cell(std::size_t row, int column) const;
    int cellCount(std::size_t row) const;

    const_iterator begin() const;
    const_iterator end() const;

    // Bytes of rows held in memory, for those who watch the memory of long
    // reports; the rows in the temporary file are not counted.
    qsizetype byteSize() const { return m_bytes.size() + m_window.size(); }

    // Rows start going to a temporary file once this many bytes of them are
    // held in memory (8 MB; tests make it small). Returns the previous one.
    static qsizetype setKeptBytes(qsizetype bytes);

private:
    struct Spill;

    QVariantList rowValues(std::size_t row) const;
    void setCell(std::size_t row, int column, const QVariant& value);
    void append(const QVariantList& row);
    void moveToFile();
    // The row's bytes from its start: its cell count, the ends of its
    // cells, then the cells; valid until the next read.
    const char* rowBytes(std::size_t row) const;
    const char* bytesAt(qsizetype offset, qsizetype length) const;

    std::shared_ptr<Spill> m_spill; // the temporary file, once there is one
    qsizetype m_inFile = 0; // offsets below this are in the file
    QByteArray m_bytes; // the rows from offset m_inFile on
    std::vector<qsizetype> m_starts; // where each row begins
    // The part of the file read last; rows are mostly read in order.
    mutable QByteArray m_window;
    mutable qsizetype m_windowAt = 0;
};

class TableRows::CellRef {
public:
    CellRef(TableRows& rows, std::size_t row, int column)
        : m_rows(rows)
        , m_row(row)
        , m_column(column)
    {
    }
    CellRef& operator=(const QVariant& value)
    {
        m_rows.setCell(m_row, m_column, value);
        return *this;
    }
    operator QVariant() const { return m_rows.cell(m_row, m_column); }

private:
    TableRows& m_rows;
    std::size_t m_row;
    int m_column;
};

class TableRows::RowRef {
public:
    RowRef(TableRows& rows, std::size_t row)
        : m_rows(rows)
        , m_row(row)
    {
    }
    CellRef operator[](int column) { return CellRef(m_rows, m_row, column); }
    QVariant value(int column) const { return m_rows.cell(m_row, column); }
    int size() const { return m_rows.cellCount(m_row); }
    operator QVariantList() const { return m_rows.rowValues(m_row); }

private:
    TableRows& m_rows;
    std::size_t m_row;
};

class TableRows::const_iterator {
public:
    const_iterator(const TableRows* rows, std::size_t row)
        : m_rows(rows)
        , m_row(row)
    {
    }
    QVariantList operator*() const { return m_rows->rowValues(m_row); }
    const_iterator& operator++()
    {
        ++m_row;
        return *this;
    }
    bool operator!=(const const_iterator& other) const { return m_row != other.m_row; }
    bool operator==(const const_iterator& other) const { return m_row == other.m_row; }

private:
    const TableRows* m_rows;
    std::size_t m_row;
};

inline TableRows::RowRef TableRows::operator[](std::size_t row) { return RowRef(*this, row); }
inline TableRows::const_iterator TableRows::begin() const { return const_iterator(this, 0); }
inline TableRows::const_iterator TableRows::end() const { return const_iterator(this, size()); }

// One table of rows; every row has fields.size() values, in field order.
// A Null database value stays a Null QVariant.
struct DataTable {
    QStringList fields;
    TableRows rows;

    int column(const QString& field) const { return static_cast<int>(fields.indexOf(field)); }
    QVariant value(std::size_t row, const QString& field) const
    {
        const int c = column(field);
        return c < 0 || row >= rows.size() ? QVariant() : rows.cell(row, c);
    }
};

// Where the first label goes and how far the sheet is nudged to match the
// printer. Positions count 1..30 across then down (1 = top left, 3 = top
// right, 4 = second row left).
struct LabelOptions {
    int startPosition = 1;
    double offsetXmm = 0.0; // positive moves every label to the right
    double offsetYmm = 0.0; // positive moves every label down
};

struct ReportData;

namespace detail {
    struct Document;
}

// A report designed outside this folder (attendance): its title and the
// pages it flows its own rows onto, with the pieces of PageFrame.h.
class CustomLayout {
public:
    virtual ~CustomLayout() = default;
    virtual QString title() const = 0;
    virtual detail::Document layOut(const ReportData& data) const = 0;
};

// The people of a long list read a slice at a time while the list is laid
// out, instead of all of them before: the first page shows while the rest
// is still being read.
class ListFeed {
public:
    virtual ~ListFeed() = default;
    // Appends the next people's rows (and their contacts) to data's tables;
    // false when every one has been read.
    virtual bool readMore(ReportData& data) = 0;
    // How many people there are to read, for telling progress.
    virtual int total() const = 0;
};

struct ReportData {
    Design design = Design::MemberList;
    DataTable main;
    DataTable sub; // the prospect list's contacts; empty for the other designs
    QString familyText; // the two sheets: lines ended by "\r\n"
    QString churchName; // shown in the page title; may be empty
    QString printedOn; // date shown in the footer, already formatted
    LabelOptions labels; // mailing labels only
    // The member and prospect lists: where the rest of their rows come from
    // when the tables do not hold them all yet; empty when they do.
    std::shared_ptr<ListFeed> feed;
    std::shared_ptr<const CustomLayout> custom; // Design::Custom only
    // The sheet in points when it is not US Letter (a label printer's
    // labels, width x height); empty for Letter. The layout still paints
    // from the sheet's corner, without margins of the device.
    QSizeF pageSize;
};

// The title on the page and in the viewer: the design's, or the custom layout's.
QString reportTitle(const ReportData& data);

} // namespace pw::reports
