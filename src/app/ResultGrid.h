#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

class QSqlQuery;
class QTableView;

namespace pw {

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
    void clearRows();

    qint64 idAt(int row) const;
    QString textAt(int row, int column) const;
    // Identifiers of every row in grid order.
    QVector<qint64> ids() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_captions;
    QVector<QStringList> m_rows;
};

// Makes a table view a result grid over the model: whole-row selection of one
// row, no editing, no row numbers, the header row fixed.
void setupResultGrid(QTableView* view, ResultModel* model);

// Sizes each column to its widest text, looking at the caption and at most
// sampleRows rows spread over the grid, so that 100,000 rows stay quick.
void fitColumns(QTableView* view, int sampleRows = 300);

} // namespace pw
