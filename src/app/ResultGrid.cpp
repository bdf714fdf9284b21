#include "app/ResultGrid.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>

namespace pw {

ResultModel::ResultModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void ResultModel::setColumns(const QStringList& captions)
{
    beginResetModel();
    m_captions = captions;
    m_rows.clear();
    endResetModel();
}

void ResultModel::setRows(QVector<QStringList> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void ResultModel::loadQuery(QSqlQuery& query)
{
    QVector<QStringList> rows;
    const int columns = static_cast<int>(m_captions.size());
    while (query.next()) {
        QStringList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c) {
            const QVariant v = query.value(c);
            row.append(v.isNull() ? QString() : v.toString());
        }
        rows.append(std::move(row));
    }
    setRows(std::move(rows));
}

void ResultModel::clearRows() { setRows({}); }

qint64 ResultModel::idAt(int row) const
{
    return row >= 0 && row < m_rows.size() && !m_rows.at(row).isEmpty() ? m_rows.at(row).at(0).toLongLong() : 0;
}

QString ResultModel::textAt(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_rows.at(row).size())
        return {};
    return m_rows.at(row).at(column);
}

QVector<qint64> ResultModel::ids() const
{
    QVector<qint64> out;
    out.reserve(m_rows.size());
    for (int r = 0; r < m_rows.size(); ++r)
        out.append(idAt(r));
    return out;
}

int ResultModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ResultModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_captions.size());
}

QVariant ResultModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return textAt(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole && section >= 0 && section < m_captions.size())
        return m_captions.at(section);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

void setupResultGrid(QTableView* view, ResultModel* model)
{
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false); // Tab leaves the grid, as in the rest of the screen
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setHighlightSections(false);
    view->setWordWrap(false);
}

void fitColumns(QTableView* view, int sampleRows)
{
    QAbstractItemModel* model = view->model();
    if (!model)
        return;
    const QFontMetrics cellFont(view->font());
    const QFontMetrics headerFont(view->horizontalHeader()->font());
    const int rows = model->rowCount();
    const int step = rows <= sampleRows || sampleRows <= 0 ? 1 : rows / sampleRows;
    const int padding = 2 * view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 16;
    for (int c = 0; c < model->columnCount(); ++c) {
        int widest = headerFont.horizontalAdvance(model->headerData(c, Qt::Horizontal).toString());
        for (int r = 0; r < rows; r += step)
            widest = qMax(widest, cellFont.horizontalAdvance(model->index(r, c).data().toString()));
        view->setColumnWidth(c, widest + padding);
    }
}

} // namespace pw
