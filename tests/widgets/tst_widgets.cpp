#include "TestSupport.h"

#include "widgets/FormHelpers.h"
#include "widgets/PickList.h"
#include "widgets/ResultGrid.h"
#include "data/Sql.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>

using namespace pw;

class TestWidgets : public QObject {
    Q_OBJECT
private slots:
    void resultGridFromQuery();
    void fitColumnsShowsWidestText();
    void pickListFillAndIds();
    void typeAheadOverPickList();
    void personNames_data();
    void personNames();
    void optionalDate();
    void phoneBox_data();
    void phoneBox();
};

void TestWidgets::resultGridFromQuery()
{
    test::TestEnv env;
    env.startIdsAt(QStringLiteral("Member"), 40001);
    const qint64 a = env.addMember(QStringLiteral("Ann"), QStringLiteral("O'Brien"));
    const qint64 b = env.addMember(QStringLiteral("Bob"), QStringLiteral("Adams"));
    env.db().exec(QStringLiteral("UPDATE Member SET City = NULL WHERE ID = ?"), { b });
    env.db().exec(QStringLiteral("UPDATE Member SET City = 'Macon' WHERE ID = ?"), { a });

    ResultModel model;
    QTableView view;
    setupResultGrid(&view, &model);
    model.setColumns({ QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("City") });
    QSqlQuery q = env.db().exec(QStringLiteral("SELECT ID, Last_Name, City FROM Member ORDER BY ")
        + sql::orderText(QStringLiteral("Last_Name")));
    model.loadQuery(q);

    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Name"));
    QCOMPARE(model.textAt(0, 1), QStringLiteral("Adams"));
    QCOMPARE(model.textAt(0, 2), QString()); // Null shows empty
    QCOMPARE(model.textAt(1, 1), QStringLiteral("O'Brien"));
    QCOMPARE(model.idAt(0), b);
    QCOMPARE(model.idAt(1), a);
    QVERIFY(a > 32767);
    QCOMPARE(model.ids(), (QVector<qint64> { b, a }));
    QCOMPARE(model.idAt(5), Q_INT64_C(0));
    QCOMPARE(model.data(model.index(0, 1), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    QCOMPARE(view.editTriggers(), QAbstractItemView::NoEditTriggers);

    // Emptying keeps the columns; a new set of columns empties the rows.
    model.clearRows();
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 3);
}

void TestWidgets::fitColumnsShowsWidestText()
{
    ResultModel model;
    QTableView view;
    setupResultGrid(&view, &model);
    model.setColumns({ QStringLiteral("ID"), QStringLiteral("N") });
    QVector<QStringList> rows;
    for (int i = 0; i < 5000; ++i)
        rows.append({ QString::number(i), QStringLiteral("x") });
    rows[0][1] = QStringLiteral("A much longer name than the others, Bartholomew");
    model.setRows(rows);
    fitColumns(&view, 100);
    const QFontMetrics fm(view.font());
    QVERIFY(view.columnWidth(1) >= fm.horizontalAdvance(rows[0][1]));
    QVERIFY(view.columnWidth(0) >= fm.horizontalAdvance(QStringLiteral("4900")));
}

void TestWidgets::pickListFillAndIds()
{
    test::TestEnv env;
    QComboBox combo;
    fillPickList(&combo, { { QStringLiteral("Adams, Bob "), 7 }, { QStringLiteral("Zane, Al "), 5000000000LL } });
    QCOMPARE(combo.count(), 2);
    QCOMPARE(combo.currentIndex(), -1);
    QCOMPARE(selectedId(&combo), Q_INT64_C(0));
    QVERIFY(selectById(&combo, 5000000000LL));
    QCOMPARE(combo.currentText(), QStringLiteral("Zane, Al "));
    QCOMPARE(selectedId(&combo), Q_INT64_C(5000000000));
    QVERIFY(!selectById(&combo, 8));
    QCOMPARE(combo.currentIndex(), 1);

    // Refilling leaves no choice, as a reload of the lists does, and the
    // screen sees only that end result, never a passing choice of row 0.
    QSignalSpy changes(&combo, &QComboBox::currentIndexChanged);
    fillTextList(&combo, { QStringLiteral("Active"), QStringLiteral("Inactive") });
    QCOMPARE(combo.currentIndex(), -1);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toInt(), -1);
    QCOMPARE(combo.count(), 2);
    fillTextList(&combo, { QStringLiteral("Active"), QStringLiteral("Inactive") });
    QCOMPARE(changes.count(), 1); // no choice before, none after: nothing to tell
    combo.setCurrentIndex(0);
    QCOMPARE(selectedId(&combo), Q_INT64_C(0)); // plain texts carry no identifier
    QVERIFY(!selectById(&combo, 0));
}

void TestWidgets::typeAheadOverPickList()
{
    test::TestEnv env;
    ctx().settings.keyPressDelay = 2;
    QComboBox combo;
    fillPickList(&combo,
        { { QStringLiteral("Adams, Jo "), 1 }, { QStringLiteral("Smith, Ann "), 2 },
            { QStringLiteral("Smythe, Bob "), 3 } });
    attachTypeAhead(&combo);
    QSignalSpy chosen(&combo, &QComboBox::activated);
    QTest::keyClicks(&combo, QStringLiteral("smy"));
    QCOMPARE(selectedId(&combo), Q_INT64_C(3));
    QCOMPARE(chosen.count(), 3);
}

void TestWidgets::personNames_data()
{
    QTest::addColumn<QStringList>("parts"); // last, first, middle, title or "-" for none
    QTest::addColumn<QString>("expected");
    QTest::newRow("full") << QStringList { "Smith", "Ann", "Marie", "-" } << "Smith, Ann Marie";
    QTest::newRow("no middle keeps the blank") << QStringList { "Smith", "Ann", "", "-" } << "Smith, Ann ";
    QTest::newRow("with title") << QStringList { "Smith", "Ann", "Marie", "Mrs." } << "Smith, Ann Marie Mrs.";
    QTest::newRow("empty title") << QStringList { "O'Brien", "Seán", "", "" } << "O'Brien, Seán  ";
}

void TestWidgets::personNames()
{
    QFETCH(QStringList, parts);
    QFETCH(QString, expected);
    const QString name = parts[3] == QLatin1String("-") ? personName(parts[0], parts[1], parts[2])
                                                        : personNameWithTitle(parts[0], parts[1], parts[2], parts[3]);
    QCOMPARE(name, expected);
}

void TestWidgets::optionalDate()
{
    QCheckBox check;
    QDateEdit picker;
    bindOptionalDate(&check, &picker);
    QVERIFY(!picker.isEnabled());
    QVERIFY(!pw::optionalDate(&check, &picker).isValid());

    check.setChecked(true);
    QVERIFY(picker.isEnabled());
    picker.setDate(QDate(2020, 2, 29));
    QCOMPARE(pw::optionalDate(&check, &picker), QDate(2020, 2, 29));

    check.setChecked(false);
    QVERIFY(!picker.isEnabled());
    QVERIFY(!pw::optionalDate(&check, &picker).isValid()); // the picker's date is ignored when clear

    setOptionalDate(&check, &picker, QDate(1999, 12, 31));
    QVERIFY(check.isChecked());
    QCOMPARE(pw::optionalDate(&check, &picker), QDate(1999, 12, 31));
    setOptionalDate(&check, &picker, QDate());
    QVERIFY(!check.isChecked());
    QVERIFY(!pw::optionalDate(&check, &picker).isValid());
}

void TestWidgets::phoneBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("digits");
    QTest::newRow("full number") << "5551234567"
                                 << "(555) 123-4567"
                                 << "5551234567";
    QTest::newRow("letters are refused") << "555abc1234567"
                                         << "(555) 123-4567"
                                         << "5551234567";
    QTest::newRow("partial") << "555"
                             << "(555) ___-____"
                             << "555";
    QTest::newRow("empty") << ""
                           << "(___) ___-____"
                           << "";
}

void TestWidgets::phoneBox()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, digits);
    QLineEdit box;
    setupPhoneBox(&box);
    box.setFocus();
    box.setCursorPosition(0);
    QTest::keyClicks(&box, typed);
    QCOMPARE(box.displayText(), shown);
    QCOMPARE(phoneDigits(&box), digits);

    QLineEdit other;
    setupPhoneBox(&other);
    setPhoneDigits(&other, digits);
    QCOMPARE(phoneDigits(&other), digits);
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
