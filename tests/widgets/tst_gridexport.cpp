#include "TestSupport.h"

#include "widgets/GridExport.h"
#include "widgets/ResultGrid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <QtTest>

using namespace pw;

namespace {

using Rows = QVector<QStringList>;

// A result grid over rows whose first column is the identifier.
struct Grid {
    explicit Grid(const QStringList& captions, const Rows& rows, const QString& exportName = QStringLiteral("Members"))
    {
        setupResultGrid(&view, &model);
        model.setColumns(captions);
        model.setRows(rows);
        installGridActions(&view, exportName);
    }
    QVector<qint64> ids() const { return model.ids(); }

    ResultModel model;
    QTableView view;
};

// The rows of a CSV file as Python's csv module reads them.
QList<QStringList> readWithPython(const QString& path)
{
    const QString script = QStringLiteral("import csv, json, sys\n"
                                          "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
                                          "    json.dump(list(csv.reader(f)), sys.stdout)\n");
    QProcess python;
    python.start(QStringLiteral("python3"), { QStringLiteral("-c"), script, path });
    if (!python.waitForFinished(30000) || python.exitCode() != 0)
        qWarning("python3 failed: %s", python.readAllStandardError().constData());
    QList<QStringList> rows;
    for (const QJsonValue& row : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        QStringList cells;
        for (const QJsonValue& cell : row.toArray())
            cells.append(cell.toString());
        rows.append(cells);
    }
    return rows;
}

} // namespace

class TestGridExport : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void csvReadsBackAsShown_data();
    void csvReadsBackAsShown();
    void csvFileLayout();
    void exportAsksForTheFile_data();
    void exportAsksForTheFile();
    void copyTakesSelectedRowsOrAll_data();
    void copyTakesSelectedRowsOrAll();
    void shownColumnsInScreenOrder();
    void sortByColumn_data();
    void sortByColumn();
    void sortKeepsCurrentRowAndSelection();
    void headerClickSortsAndNewRowsUnsort();
    void peopleFound_data();
    void peopleFound();
};

void TestGridExport::cleanup()
{
    setCsvFileChooser({});
    QLocale::setDefault(QLocale::c());
}

void TestGridExport::csvReadsBackAsShown_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("plain") << "Smith, John"
                           << "Smith, John";
    QTest::newRow("comma") << "a,b,,c"
                           << "a,b,,c";
    QTest::newRow("double quotes") << "He said \"hi\""
                                   << "He said \"hi\"";
    QTest::newRow("starts with a quote") << "\"quoted\" start"
                                         << "\"quoted\" start";
    QTest::newRow("line break") << "line 1\nline 2"
                                << "line 1\nline 2";
    QTest::newRow("CRLF inside") << "a\r\nb"
                                 << "a\r\nb";
    QTest::newRow("lone CR") << "a\rb"
                             << "a\rb";
    QTest::newRow("tab") << "a\tb"
                         << "a\tb";
    QTest::newRow("formula") << "=1+2"
                             << "'=1+2";
    QTest::newRow("formula with commas") << "=SUM(A1,A2)"
                                         << "'=SUM(A1,A2)";
    QTest::newRow("plus") << "+1 615 555"
                          << "'+1 615 555";
    QTest::newRow("minus") << "-5"
                           << "'-5";
    QTest::newRow("at") << "@cmd"
                        << "'@cmd";
    QTest::newRow("equals later is harmless") << "a=b"
                                              << "a=b";
    QTest::newRow("apostrophe") << "O'Brien"
                                << "O'Brien";
    QTest::newRow("accents") << "José Álvarez"
                             << "José Álvarez";
    QTest::newRow("Greek") << "Σίσυφος"
                           << "Σίσυφος";
    QTest::newRow("Chinese") << "王小明"
                             << "王小明";
    QTest::newRow("beyond the BMP") << "ok \U0001F600"
                                    << "ok \U0001F600";
    QTest::newRow("blanks kept") << "  x  "
                                 << "  x  ";
    QTest::newRow("empty") << ""
                           << "";
}

void TestGridExport::csvReadsBackAsShown()
{
    QFETCH(QString, cell);
    QFETCH(QString, readBack);
    if (QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty())
        QSKIP("python3 is not installed, so the CSV file cannot be read back with its csv module");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grid.csv"));
    Grid grid({ "ID", "Cell, with comma", "After" }, { { "7", cell, "end" }, { "8", "plain", cell } });
    writeCsv(&grid.view, path);
    const QList<QStringList> expected
        = { { "ID", "Cell, with comma", "After" }, { "7", readBack, "end" }, { "8", "plain", readBack } };
    QCOMPARE(readWithPython(path), expected);
}

void TestGridExport::csvFileLayout()
{
    Grid grid({ "ID", "Name" }, { { "1", "Ann" }, { "2", "a\nb" } });
    const QByteArray bytes = csvBytes(gridText(&grid.view, false));
    QCOMPARE(bytes,
        QByteArray("\xEF\xBB\xBF"
                   "ID,Name\r\n1,Ann\r\n2,\"a\nb\"\r\n"));
    // Only the header for an empty grid.
    Grid empty({ "ID", "Name" }, {});
    QCOMPARE(csvBytes(gridText(&empty.view, false)),
        QByteArray("\xEF\xBB\xBF"
                   "ID,Name\r\n"));
}

void TestGridExport::exportAsksForTheFile_data()
{
    QTest::addColumn<QString>("choice"); // relative to a fresh folder; "-" cancels
    QTest::addColumn<QString>("written"); // the file expected, empty for none
    QTest::addColumn<QString>("message"); // the start of the message expected, empty for none
    QTest::newRow("name with extension") << "found.csv"
                                         << "found.csv"
                                         << "";
    QTest::newRow("extension added") << "found"
                                     << "found.csv"
                                     << "";
    QTest::newRow("other extension kept") << "found.txt"
                                          << "found.txt"
                                          << "";
    QTest::newRow("cancelled") << "-"
                               << ""
                               << "";
    QTest::newRow("folder missing") << "missing/found.csv"
                                    << ""
                                    << "The file \"%1/missing/found.csv\" could not be written";
}

void TestGridExport::exportAsksForTheFile()
{
    QFETCH(QString, choice);
    QFETCH(QString, written);
    QFETCH(QString, message);
    test::TestEnv env;
    QTemporaryDir dir;
    QString suggested;
    setCsvFileChooser([&](QWidget*, const QString& proposal) {
        suggested = proposal;
        return choice == QLatin1String("-") ? QString() : dir.filePath(choice);
    });
    Grid grid({ "ID", "Name" }, { { "1", "Ann" } }, QStringLiteral("Member Navigator"));
    const QString result = exportCsv(&grid.view, QStringLiteral("Member Navigator"));

    QVERIFY(suggested.endsWith(QLatin1String("/Member Navigator.csv")));
    QCOMPARE(result, written.isEmpty() ? QString() : dir.filePath(written));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), written.isEmpty() ? QStringList() : QStringList { written });
    if (!written.isEmpty()) {
        QFile file(dir.filePath(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
            QByteArray("\xEF\xBB\xBF"
                       "ID,Name\r\n1,Ann\r\n"));
    }
    if (message.isEmpty()) {
        QCOMPARE(env.messages.count(), 0);
    } else {
        QCOMPARE(env.messages.count(), 1);
        QVERIFY2(env.messages.last().text.startsWith(message.arg(dir.path())), qPrintable(env.messages.last().text));
        QCOMPARE(env.messages.last().title, QStringLiteral("Pewlark"));
    }
    QVERIFY(!QApplication::overrideCursor());
}

void TestGridExport::copyTakesSelectedRowsOrAll_data()
{
    QTest::addColumn<QList<int>>("selected"); // rows clicked with Ctrl, in this order
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing selected: all rows") << QList<int> {} << "ID\tName\n1\tAnn\n2\tBob \"B\"\n3\t=Cy\tx\n";
    QTest::newRow("one row") << QList<int> { 1 } << "ID\tName\n2\tBob \"B\"\n";
    QTest::newRow("rows in grid order") << QList<int> { 2, 0 } << "ID\tName\n1\tAnn\n3\t=Cy\tx\n";
}

void TestGridExport::copyTakesSelectedRowsOrAll()
{
    QFETCH(QList<int>, selected);
    QFETCH(QString, text);
    // The third row's name holds a tab: it is quoted so that it stays one cell.
    text.replace(QStringLiteral("=Cy\tx"), QStringLiteral("\"'=Cy\tx\""));
    text.replace(QStringLiteral("Bob \"B\""), QStringLiteral("\"Bob \"\"B\"\"\""));
    Grid grid({ "ID", "Name" }, { { "1", "Ann" }, { "2", "Bob \"B\"" }, { "3", "=Cy\tx" } });
    grid.view.resize(400, 300);
    grid.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid.view));
    for (int row : selected) {
        const QRect cell = grid.view.visualRect(grid.model.index(row, 0));
        QTest::mouseClick(grid.view.viewport(), Qt::LeftButton, Qt::ControlModifier, cell.center());
    }
    QApplication::clipboard()->clear();
    grid.view.setFocus();
    QTest::keyClick(&grid.view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), text);
}

void TestGridExport::shownColumnsInScreenOrder()
{
    Grid grid({ "ID", "Name", "City" }, { { "1", "Ann", "Macon" } });
    grid.view.horizontalHeader()->moveSection(2, 0); // City, ID, Name
    grid.view.setColumnHidden(0, true); // ID
    const GridText text = gridText(&grid.view, false);
    QCOMPARE(text.header, QStringList({ "City", "Name" }));
    QCOMPARE(text.rows, Rows({ { "Macon", "Ann" } }));
}

void TestGridExport::sortByColumn_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<QVector<qint64>>("ids");
    // Rows given: ID, Name, shown date, stored date (the date column's sort key).
    QTest::newRow("identifiers as numbers") << 0 << true << QVector<qint64> { 2, 4, 10, 33, 100 };
    QTest::newRow("identifiers descending") << 0 << false << QVector<qint64> { 100, 33, 10, 4, 2 };
    QTest::newRow("names without regard to case or accents") << 1 << true << QVector<qint64> { 4, 33, 100, 10, 2 };
    QTest::newRow("names descending, ties kept in order") << 1 << false << QVector<qint64> { 2, 10, 33, 100, 4 };
    QTest::newRow("dates by the stored day, empty first") << 2 << true << QVector<qint64> { 100, 33, 2, 10, 4 };
    QTest::newRow("back to the order given") << -1 << true << QVector<qint64> { 10, 2, 33, 4, 100 };
}

void TestGridExport::sortByColumn()
{
    QFETCH(int, column);
    QFETCH(bool, ascending);
    QFETCH(QVector<qint64>, ids);
    Grid grid({ "ID", "Name", "Date" },
        { { "10", "banana", "3/5/2024", "2024-03-05" }, { "2", "Éclair", "12/1/2023", "2023-12-01" },
            { "33", "apple", "1/2/2020", "2020-01-02" }, { "4", "", "1/1/2025", "2025-01-01" },
            { "100", "Apple", "", "" } });
    grid.model.setSortKey(2, 3);
    grid.model.sort(1, Qt::DescendingOrder); // an earlier sort must not matter for the result
    grid.model.sort(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    QCOMPARE(grid.ids(), ids);
    for (int row = 0; row < ids.size(); ++row)
        QCOMPARE(grid.model.idAt(row), ids.at(row));
}

void TestGridExport::sortKeepsCurrentRowAndSelection()
{
    Grid grid({ "ID", "Name" }, { { "1", "Cy" }, { "2", "Ann" }, { "3", "Bob" } });
    grid.view.setCurrentIndex(grid.model.index(0, 1)); // Cy
    grid.view.selectionModel()->select(
        grid.model.index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows); // Bob
    grid.model.sort(1, Qt::AscendingOrder); // Ann, Bob, Cy
    QCOMPARE(grid.view.currentIndex().row(), 2);
    QCOMPARE(grid.model.idAt(grid.view.currentIndex().row()), 1);
    const QModelIndexList rows = grid.view.selectionModel()->selectedRows();
    QVERIFY(!rows.isEmpty());
    for (const QModelIndex& index : rows)
        QVERIFY(grid.model.idAt(index.row()) == 1 || grid.model.idAt(index.row()) == 3);
    QCOMPARE(gridText(&grid.view, true).rows.first(), QStringList({ "3", "Bob" }));
}

void TestGridExport::headerClickSortsAndNewRowsUnsort()
{
    Grid grid({ "ID", "Name" }, { { "1", "Cy" }, { "2", "Ann" }, { "3", "Bob" } });
    grid.view.resize(400, 300);
    grid.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid.view));
    QHeaderView* header = grid.view.horizontalHeader();
    const QPoint name(header->sectionViewportPosition(1) + header->sectionSize(1) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, name);
    const QVector<qint64> first = grid.ids();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, name);
    const QVector<qint64> second = grid.ids();
    QVERIFY(first == QVector<qint64>({ 2, 3, 1 }) || first == QVector<qint64>({ 1, 3, 2 }));
    QCOMPARE(second, QVector<qint64>(first.rbegin(), first.rend()));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, name); // third click: as found
    QCOMPARE(grid.ids(), QVector<qint64>({ 1, 2, 3 }));

    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, name);
    grid.model.setRows({ { "9", "Zed" }, { "8", "Al" } });
    QCOMPARE(header->sortIndicatorSection(), -1);
    QCOMPARE(grid.ids(), QVector<qint64>({ 9, 8 }));
}

void TestGridExport::peopleFound_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << 0 << "0 people found";
    QTest::newRow("one") << 1 << "1 person found";
    QTest::newRow("two") << 2 << "2 people found";
    QTest::newRow("thousands grouped") << 100000 << "100,000 people found";
}

void TestGridExport::peopleFound()
{
    QFETCH(int, count);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(peopleFoundText(count), text);
}

QTEST_MAIN(TestGridExport)
#include "tst_gridexport.moc"
