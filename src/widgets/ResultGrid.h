#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>
#include <QVector>

class QSqlQuery;
class QTableView;

namespace pw {

// Rows of text cells kept in one buffer as UTF-8, each cell behind its
// length, so that a million rows cost a handful of allocations and about as
// many bytes as their text has letters. Cells are added row by row; a row may
// hold any number of them.
class ResultRows {
public:
    void reserve(int rows, int cellsPerRow);
    // Removes every row but keeps the room they took.
    void clear();
    void addCell(QStringView text);
    void addUtf8Cell(QByteArrayView utf8);
    void addLatin1Cell(QLatin1StringView text);
    void endRow();

    int rowCount() const { return static_cast<int>(m_rowEnds.size()); }
    int cellCount(int row) const;
    // The cell's text; empty beyond the row's last cell.
    QString cell(int row, int column) const { return QString::fromUtf8(utf8Cell(row, column)); }
    // The same as UTF-8, valid until a row is added.
    QByteArrayView utf8Cell(int row, int column) const;

private:
    qsizetype rowStart(int row) const { return row == 0 ? 0 : m_rowEnds.at(row - 1); }
    void addLength(qsizetype length);

    QByteArray m_bytes; // every cell, one after another
    QVector<qsizetype> m_rowEnds; // where each row's cells end in m_bytes
};

// The one read-only model behind every result grid: a row of column captions
// as the header, then one row per record in query order, every cell centred.
// Column 0 holds the record's identifier, which handlers read back with idAt().
class ResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultModel(QObject* parent = nullptr);

    // Empties the grid and gives it these columns.
    void setColumns(const QStringList& captions);
    // Replaces all rows at once; each row holds one text per column.
    void setRows(QVector<QStringList> rows);
    // Reads every record of the query: column i of the grid is column i of
    // the result, as text (Null shows as an empty cell).
    void loadQuery(QSqlQuery& query);
    void setRows(ResultRows rows);
    void clearRows();
    // Empties the grid and hands back its rows' storage, emptied but with its
    // room kept, so that refilling a grid of about the same size allocates
    // nothing (a search run again over 100,000 people).
    ResultRows takeRows();

    // A row may hold more texts than there are columns; those past the last
    // column are not shown. This makes a column sort by one of them, such as
    // the stored day behind a short date. setColumns forgets it.
    void setSortKey(int column, int keyIndex);

    // Puts the rows in the order of a column, as a click on its header does.
    // A column whose every non-empty cell is a whole number sorts by number,
    // any other by text without regard to letter case; equal cells keep their
    // order. Column -1 restores the order the rows were given in. Selection
    // and current row stay with their rows; idAt() and ids() answer in the
    // order shown.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    qint64 idAt(int row) const;
    QString textAt(int row, int column) const;
    // Identifiers of every row in grid order.
    QVector<qint64> ids() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    int givenRow(int row) const { return m_order.isEmpty() ? row : m_order.at(row); }

    QStringList m_captions;
    ResultRows m_rows; // as given
    QVector<int> m_order; // shown row -> given row; empty while in given order
    QHash<int, int> m_sortKeys; // column -> index of its hidden sort key
};

// Makes a table view a result grid over the model: whole-row selection of one
// row, no editing, no row numbers, the header row fixed.
void setupResultGrid(QTableView* view, ResultModel* model);

// Lets a click on a column header sort the grid (ResultModel::sort); a new
// set of rows shows in its own order again, and a third click on the same
// header restores that order.
void enableSorting(QTableView* view);

// Sizes each column to its widest text, looking at the caption and at most
// sampleRows rows spread over the grid, so that 100,000 rows stay quick.
void fitColumns(QTableView* view, int sampleRows = 300);

} // namespace pw
