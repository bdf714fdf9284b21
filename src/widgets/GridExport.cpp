#include "widgets/GridExport.h"

#include "data/Database.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/ResultGrid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
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
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(GridExport)
    };
} // namespace

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
        return QFileDialog::getSaveFileName(parent, Tr::tr("Export to CSV"), suggestedPath,
            Tr::tr("CSV files") + QStringLiteral(" (*.csv);;") + Tr::tr("All files") + QStringLiteral(" (*)"));
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

    void appendLine(QString& out, const QStringList& cells, QChar separator, const QString& lineEnd)
    {
        for (int c = 0; c < cells.size(); ++c) {
            if (c > 0)
                out += separator;
            appendCell(out, cells.at(c), separator);
        }
        out += lineEnd;
    }

    // Calls f(cells) for the header and then for each row the grid shows,
    // one at a time, so that 100,000 rows are never all copied at once.
    template <class F> void forEachShownLine(const QTableView* view, bool selectedOnly, F&& f)
    {
        const QAbstractItemModel* model = view->model();
        if (!model)
            return;
        const QHeaderView* header = view->horizontalHeader();
        QVector<int> columns;
        QStringList cells;
        for (int visual = 0; visual < header->count(); ++visual) {
            const int logical = header->logicalIndex(visual);
            if (logical >= 0 && !header->isSectionHidden(logical)) {
                columns.append(logical);
                cells.append(model->headerData(logical, Qt::Horizontal).toString());
            }
        }
        f(cells);

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
        for (int r : rows) {
            if (view->isRowHidden(r))
                continue;
            cells.clear();
            for (int c : columns)
                cells.append(model->index(r, c).data().toString());
            f(cells);
        }
    }

    QString joined(const QTableView* view, bool selectedOnly, QChar separator, const QString& lineEnd)
    {
        QString out;
        forEachShownLine(
            view, selectedOnly, [&](const QStringList& cells) { appendLine(out, cells, separator, lineEnd); });
        return out;
    }

    QString joined(const GridText& grid, QChar separator, const QString& lineEnd)
    {
        QString out;
        appendLine(out, grid.header, separator, lineEnd);
        for (const QStringList& row : grid.rows)
            appendLine(out, row, separator, lineEnd);
        return out;
    }

    const QByteArray kByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

} // namespace

GridText gridText(const QTableView* view, bool selectedOnly)
{
    GridText grid;
    bool first = true;
    forEachShownLine(view, selectedOnly, [&](const QStringList& cells) {
        if (first)
            grid.header = cells;
        else
            grid.rows.append(cells);
        first = false;
    });
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
    return kByteOrderMark + joined(grid, QLatin1Char(','), QStringLiteral("\r\n")).toUtf8();
}

void copyRows(const QTableView* view)
{
    BusyCursor busy;
    QApplication::clipboard()->setText(joined(view, true, QLatin1Char('\t'), QStringLiteral("\n")));
}

void writeCsv(const QTableView* view, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(Tr::tr("The file \"%1\" could not be written: %2").arg(path, file.errorString()));
    // Line by line, so that a grid of a million rows is not copied whole
    // into memory first.
    bool written = file.write(kByteOrderMark) == kByteOrderMark.size();
    QString line;
    forEachShownLine(view, false, [&](const QStringList& cells) {
        line.clear();
        appendLine(line, cells, QLatin1Char(','), QStringLiteral("\r\n"));
        const QByteArray bytes = line.toUtf8();
        written = written && file.write(bytes) == bytes.size();
    });
    if (!written || !file.commit())
        throw Error(Tr::tr("The file \"%1\" could not be written: %2").arg(path, file.errorString()));
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

    auto* copy = new QAction(Tr::tr("Copy"), view);
    copy->setObjectName(QStringLiteral("actCopy"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(copy, &QAction::triggered, view, [view] { copyRows(view); });

    auto* exportAction = new QAction(Tr::tr("Export to CSV..."), view);
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
    return count == 1 ? Tr::tr("1 person found") : Tr::tr("%1 people found").arg(QLocale().toString(count));
}

} // namespace pw
