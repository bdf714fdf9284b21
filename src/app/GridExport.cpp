#include "app/GridExport.h"

#include "app/FormHelpers.h"
#include "app/Guard.h"
#include "app/ResultGrid.h"
#include "data/Database.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLocale>
#include <QSaveFile>
#include <QTableView>
#include <algorithm>
#include <numeric>

namespace pw {

namespace {

    CsvFileChooser& chooserHook()
    {
        static CsvFileChooser chooser;
        return chooser;
    }

    // The folder of the last export, offered again for the next one.
    QString& lastFolder()
    {
        static QString folder;
        return folder;
    }

    QString systemChooser(QWidget* parent, const QString& suggestedPath)
    {
        return QFileDialog::getSaveFileName(
            parent, QStringLiteral("Export to CSV"), suggestedPath, QStringLiteral("CSV files (*.csv);;All files (*)"));
    }

    bool needsQuotes(const QString& cell, QChar separator)
    {
        for (const QChar c : cell) {
            if (c == separator || c == QLatin1Char('"') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
                return true;
        }
        return false;
    }

    void appendCell(QString& out, const QString& text, QChar separator)
    {
        const QString cell = spreadsheetSafe(text);
        if (!needsQuotes(cell, separator)) {
            out += cell;
            return;
        }
        out += QLatin1Char('"');
        for (const QChar c : cell) {
            if (c == QLatin1Char('"'))
                out += QLatin1Char('"');
            out += c;
        }
        out += QLatin1Char('"');
    }

    QString joined(const GridText& grid, QChar separator, const QString& lineEnd)
    {
        QString out;
        out.reserve((grid.rows.size() + 1) * qMax<qsizetype>(1, grid.header.size()) * 12);
        const auto line = [&](const QStringList& cells) {
            for (int c = 0; c < cells.size(); ++c) {
                if (c > 0)
                    out += separator;
                appendCell(out, cells.at(c), separator);
            }
            out += lineEnd;
        };
        line(grid.header);
        for (const QStringList& row : grid.rows)
            line(row);
        return out;
    }

} // namespace

GridText gridText(const QTableView* view, bool selectedOnly)
{
    GridText grid;
    const QAbstractItemModel* model = view->model();
    if (!model)
        return grid;
    const QHeaderView* header = view->horizontalHeader();
    QVector<int> columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (logical >= 0 && !header->isSectionHidden(logical)) {
            columns.append(logical);
            grid.header.append(model->headerData(logical, Qt::Horizontal).toString());
        }
    }

    QVector<int> rows;
    if (selectedOnly && view->selectionModel()) {
        for (const QModelIndex& index : view->selectionModel()->selectedIndexes())
            rows.append(index.row());
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    }
    if (rows.isEmpty()) {
        rows.resize(model->rowCount());
        std::iota(rows.begin(), rows.end(), 0);
    }
    grid.rows.reserve(rows.size());
    for (int r : rows) {
        if (view->isRowHidden(r))
            continue;
        QStringList cells;
        cells.reserve(columns.size());
        for (int c : columns)
            cells.append(model->index(r, c).data().toString());
        grid.rows.append(std::move(cells));
    }
    return grid;
}

QString spreadsheetSafe(const QString& cell)
{
    if (!cell.isEmpty()) {
        const QChar first = cell.at(0);
        if (first == QLatin1Char('=') || first == QLatin1Char('+') || first == QLatin1Char('-')
            || first == QLatin1Char('@'))
            return QLatin1Char('\'') + cell;
    }
    return cell;
}

QString tabSeparated(const GridText& grid) { return joined(grid, QLatin1Char('\t'), QStringLiteral("\n")); }

QByteArray csvBytes(const GridText& grid)
{
    return QByteArrayLiteral("\xEF\xBB\xBF") + joined(grid, QLatin1Char(','), QStringLiteral("\r\n")).toUtf8();
}

void copyRows(const QTableView* view)
{
    BusyCursor busy;
    QApplication::clipboard()->setText(tabSeparated(gridText(view, true)));
}

void writeCsv(const QTableView* view, const QString& path)
{
    const QByteArray bytes = csvBytes(gridText(view, false));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(QStringLiteral("The file \"%1\" could not be written: %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw Error(QStringLiteral("The file \"%1\" could not be written: %2").arg(path, file.errorString()));
}

void setCsvFileChooser(CsvFileChooser chooser) { chooserHook() = std::move(chooser); }

QString exportCsv(QTableView* view, const QString& fileName)
{
    QString folder = lastFolder();
    if (folder.isEmpty())
        folder = QDir::homePath();
    const QString suggested = QDir(folder).filePath(fileName + QStringLiteral(".csv"));
    const CsvFileChooser& chooser = chooserHook();
    QString path = chooser ? chooser(view, suggested) : systemChooser(view, suggested);
    if (path.isEmpty())
        return {};
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    const bool written = guarded([&] {
        BusyCursor busy;
        writeCsv(view, path);
    });
    if (!written)
        return {};
    lastFolder() = QFileInfo(path).absolutePath();
    return path;
}

void installGridActions(QTableView* view, const QString& exportName)
{
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    enableSorting(view);

    auto* copy = new QAction(QStringLiteral("Copy"), view);
    copy->setObjectName(QStringLiteral("actCopy"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(copy, &QAction::triggered, view, [view] { copyRows(view); });

    auto* exportAction = new QAction(QStringLiteral("Export to CSV..."), view);
    exportAction->setObjectName(QStringLiteral("actExportCsv"));
    exportAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    exportAction->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(exportAction, &QAction::triggered, view, [view, exportName] { exportCsv(view, exportName); });

    view->addAction(copy);
    view->addAction(exportAction);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
}

QString peopleFoundText(int count)
{
    return count == 1 ? QStringLiteral("1 person found")
                      : QStringLiteral("%1 people found").arg(QLocale().toString(count));
}

} // namespace pw
