#include "widgets/ResultGrid.h"

#include "data/Sql.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTableView>
#include <algorithm>
#include <limits>
#include <numeric>

namespace pw {

void ResultRows::reserve(int rows, int cellsPerRow)
{
    m_rowEnds.reserve(rows);
    m_bytes.reserve(qsizetype(rows) * cellsPerRow * 8);
}

void ResultRows::clear()
{
    m_bytes.resize(0);
    m_rowEnds.resize(0);
}

// A length below 128 takes one byte; longer ones take seven bits a byte,
// the high bit saying that another byte follows.
void ResultRows::addLength(qsizetype length)
{
    auto n = static_cast<quint64>(length);
    while (n >= 0x80) {
        m_bytes.append(char(0x80 | (n & 0x7f)));
        n >>= 7;
    }
    m_bytes.append(char(n));
}

void ResultRows::addCell(QStringView text)
{
    // ASCII, the common case, goes straight into the buffer.
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            addUtf8Cell(text.toUtf8());
            return;
        }
    }
    addLength(text.size());
    const qsizetype at = m_bytes.size();
    m_bytes.resize(at + text.size());
    char* out = m_bytes.data() + at;
    for (const QChar c : text)
        *out++ = char(c.unicode());
}

void ResultRows::addUtf8Cell(QByteArrayView utf8)
{
    addLength(utf8.size());
    m_bytes.append(utf8.data(), utf8.size());
}

void ResultRows::addLatin1Cell(QLatin1StringView text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            addCell(QString(text));
            return;
        }
    }
    addUtf8Cell(QByteArrayView(text.data(), text.size()));
}

void ResultRows::endRow() { m_rowEnds.append(m_bytes.size()); }

namespace {

    // Reads the cell at `at`: its text, and `at` moved past it.
    QByteArrayView readCell(const char* bytes, qsizetype& at)
    {
        quint64 length = 0;
        for (int shift = 0;; shift += 7) {
            const auto b = static_cast<unsigned char>(bytes[at++]);
            length |= quint64(b & 0x7f) << shift;
            if (b < 0x80)
                break;
        }
        const QByteArrayView cell(bytes + at, qsizetype(length));
        at += qsizetype(length);
        return cell;
    }

} // namespace

int ResultRows::cellCount(int row) const
{
    if (row < 0 || row >= rowCount())
        return 0;
    int count = 0;
    for (qsizetype at = rowStart(row), end = m_rowEnds.at(row); at < end; ++count)
        readCell(m_bytes.constData(), at);
    return count;
}

QByteArrayView ResultRows::utf8Cell(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0)
        return {};
    qsizetype at = rowStart(row);
    const qsizetype end = m_rowEnds.at(row);
    for (int c = 0; at < end; ++c) {
        const QByteArrayView cell = readCell(m_bytes.constData(), at);
        if (c == column)
            return cell;
    }
    return {};
}

ResultModel::ResultModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void ResultModel::setColumns(const QStringList& captions)
{
    beginResetModel();
    m_captions = captions;
    m_rows = ResultRows();
    m_order.clear();
    m_sortKeys.clear();
    endResetModel();
}

void ResultModel::setRows(QVector<QStringList> rows)
{
    ResultRows table;
    table.reserve(static_cast<int>(rows.size()), static_cast<int>(m_captions.size()));
    for (const QStringList& row : rows) {
        for (const QString& cell : row)
            table.addCell(cell);
        table.endRow();
    }
    setRows(std::move(table));
}

void ResultModel::setRows(ResultRows rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_order.clear();
    endResetModel();
}

void ResultModel::loadQuery(QSqlQuery& query)
{
    ResultRows rows;
    const int columns = static_cast<int>(m_captions.size());
    while (query.next()) {
        for (int c = 0; c < columns; ++c)
            rows.addCell(query.value(c).toString()); // Null gives empty text
        rows.endRow();
    }
    setRows(std::move(rows));
}

void ResultModel::clearRows() { setRows(ResultRows()); }

ResultRows ResultModel::takeRows()
{
    beginResetModel();
    ResultRows rows = std::move(m_rows);
    m_rows = ResultRows();
    m_order.clear();
    endResetModel();
    rows.clear();
    return rows;
}

qint64 ResultModel::idAt(int row) const
{
    if (row < 0 || row >= m_rows.rowCount())
        return 0;
    const QByteArrayView id = m_rows.utf8Cell(givenRow(row), 0);
    return QByteArray::fromRawData(id.data(), id.size()).toLongLong();
}

QString ResultModel::textAt(int row, int column) const
{
    return row >= 0 && row < m_rows.rowCount() ? m_rows.cell(givenRow(row), column) : QString();
}

void ResultModel::setSortKey(int column, int keyIndex) { m_sortKeys.insert(column, keyIndex); }

void ResultModel::sort(int column, Qt::SortOrder order)
{
    if (column >= columnCount() || (column < 0 && m_order.isEmpty()))
        return;
    const int n = m_rows.rowCount();
    QVector<int> shown = m_order;
    if (shown.isEmpty()) {
        shown.resize(n);
        std::iota(shown.begin(), shown.end(), 0);
    }
    QVector<int> sorted;
    if (column >= 0) {
        sorted = shown;
        const int key = m_sortKeys.value(column, column);
        // Numbers when every filled cell is one; empty cells first.
        QVector<qint64> numbers(n, std::numeric_limits<qint64>::min());
        bool numeric = true;
        for (int r = 0; r < n && numeric; ++r) {
            const QByteArrayView cell = m_rows.utf8Cell(r, key);
            if (!cell.isEmpty())
                numbers[r] = QByteArray::fromRawData(cell.data(), cell.size()).trimmed().toLongLong(&numeric);
        }
        const bool ascending = order == Qt::AscendingOrder;
        if (numeric) {
            std::stable_sort(sorted.begin(), sorted.end(),
                [&](int a, int b) { return ascending ? numbers[a] < numbers[b] : numbers[b] < numbers[a]; });
        } else {
            QVector<QString> keys(n);
            for (int r = 0; r < n; ++r)
                keys[r] = sql::sortKey(m_rows.cell(r, key));
            std::stable_sort(sorted.begin(), sorted.end(),
                [&](int a, int b) { return ascending ? keys[a].compare(keys[b]) < 0 : keys[b].compare(keys[a]) < 0; });
        }
    }

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // Where each given row ends up, so that selection and current row follow.
    QVector<int> position(n);
    for (int i = 0; i < n; ++i)
        position[sorted.isEmpty() ? i : sorted.at(i)] = i;
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after.append(this->index(position.at(shown.at(index.row())), index.column()));
    changePersistentIndexList(before, after);
    m_order = sorted;
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QVector<qint64> ResultModel::ids() const
{
    QVector<qint64> out;
    out.reserve(m_rows.rowCount());
    for (int r = 0; r < m_rows.rowCount(); ++r)
        out.append(idAt(r));
    return out;
}

int ResultModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows.rowCount(); }

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

void enableSorting(QTableView* view)
{
    QHeaderView* header = view->horizontalHeader();
    header->setSortIndicator(-1, Qt::AscendingOrder);
    header->setSortIndicatorClearable(true);
    view->setSortingEnabled(true);
    // New rows come in the search's own order; the arrow must not claim otherwise.
    if (QAbstractItemModel* model = view->model())
        QObject::connect(model, &QAbstractItemModel::modelReset, header,
            [header] { header->setSortIndicator(-1, Qt::AscendingOrder); });
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
    // Measuring text is slow, so of the sampled cells only the longest few
    // are measured: in practice the widest is among them.
    const int measured = 8;
    QVector<QString> texts;
    for (int c = 0; c < model->columnCount(); ++c) {
        int widest = headerFont.horizontalAdvance(model->headerData(c, Qt::Horizontal).toString());
        texts.clear();
        for (int r = 0; r < rows; r += step)
            texts.append(model->index(r, c).data().toString());
        const auto longest = texts.begin() + qMin<qsizetype>(measured, texts.size());
        std::partial_sort(texts.begin(), longest, texts.end(),
            [](const QString& a, const QString& b) { return a.size() > b.size(); });
        for (auto it = texts.begin(); it != longest; ++it) {
            if (it == texts.begin() || *it != *(it - 1))
                widest = qMax(widest, cellFont.horizontalAdvance(*it));
        }
        view->setColumnWidth(c, widest + padding);
    }
}

} // namespace pw
