#include "legacy/JetCsv.h"
#include "legacy/JetTools.h"
#include "legacy/LegacyValues.h"

#include <QtTest>

using namespace pw::legacy;

// Reading mdb-export's CSV and turning its values into stored values.
class TestJetCsv : public QObject {
    Q_OBJECT
private slots:
    void rows_data();
    void rows();
    void malformed_data();
    void malformed();
    void windows1252();
    void values_data();
    void values();
};

namespace {

// A row as the test writes it down: fields joined by "|", quoted fields in
// [brackets], a missing field as nothing.
QString shown(const JetCsv& csv)
{
    QStringList fields;
    for (int i = 0; i < csv.size(); ++i) {
        if (csv.isQuoted(i))
            fields.append(QLatin1Char('[') + csv.text(i) + QLatin1Char(']'));
        else
            fields.append(csv.text(i));
    }
    return fields.join(QLatin1Char('|'));
}

} // namespace

void TestJetCsv::rows_data()
{
    QTest::addColumn<QByteArray>("body"); // after the header line "A,B,C\n"
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QList<int>>("lines");

    QTest::newRow("number and text") << QByteArray("1,\"Ann\",\"a@b\"\n") << QStringList { "1|[Ann]|[a@b]" }
                                     << QList<int> { 2 };
    QTest::newRow("quote written twice, comma inside quotes")
        << QByteArray("7,\"Pe,er \"\"Vreman\"\"\",\"x\"\n") << QStringList { "7|[Pe,er \"Vreman\"]|[x]" }
        << QList<int> { 2 };
    QTest::newRow("empty quotes are text, nothing is missing")
        << QByteArray("2,\"\",\n") << QStringList { "2|[]|" } << QList<int> { 2 };
    QTest::newRow("line break inside quotes belongs to the value")
        << QByteArray("3,\"one\ntwo\",\"x\"\n4,\"y\",\n") << QStringList { "3|[one\ntwo]|[x]", "4|[y]|" }
        << QList<int> { 2, 4 };
    QTest::newRow("CR LF inside quotes is kept")
        << QByteArray("5,\"a\r\nb\",\"\"\n") << QStringList { "5|[a\r\nb]|[]" } << QList<int> { 2 };
    QTest::newRow("last line without line end")
        << QByteArray("6,\"z\",-1") << QStringList { "6|[z]|-1" } << QList<int> { 2 };
    QTest::newRow("lines ended by CR LF")
        << QByteArray("1,\"a\",0\r\n2,,1\r\n") << QStringList { "1|[a]|0", "2||1" } << QList<int> { 2, 3 };
    QTest::newRow("a row of one missing value")
        << QByteArray("\n\"b\"\n") << QStringList { "", "[b]" } << QList<int> { 2, 3 };
    QTest::newRow("accents and apostrophes in UTF-8") << QByteArray("8,\"Zo\xc3\xab O\xe2\x80\x99Neil\",\"d'Arc\"\n")
                                                      << QStringList { "8|[Zoë O’Neil]|[d'Arc]" } << QList<int> { 2 };
    QTest::newRow("no rows") << QByteArray() << QStringList {} << QList<int> {};
}

void TestJetCsv::rows()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, expected);
    QFETCH(QList<int>, lines);
    JetCsv csv(QByteArray("A,B,C\n") + body);
    QCOMPARE(csv.header(), (QStringList { "A", "B", "C" }));
    QStringList got;
    QList<int> gotLines;
    while (csv.next()) {
        got.append(shown(csv));
        gotLines.append(csv.line());
    }
    QCOMPARE(got, expected);
    QCOMPARE(gotLines, lines);
    QVERIFY(!csv.readAsWindows1252());
}

void TestJetCsv::malformed_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("message");

    QTest::newRow("quote never closed") << QByteArray("A,B\n1,\"x\n2,y\n") << "line 2: a quote is never closed";
    QTest::newRow("text after a closing quote")
        << QByteArray("A,B\n1,\"x\"y\n") << "line 2: text follows a closing quote";
    QTest::newRow("nothing at all") << QByteArray() << "the export has no line of column names";
}

void TestJetCsv::malformed()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, message);
    try {
        JetCsv csv(data);
        while (csv.next()) { }
        QFAIL("no error");
    } catch (const ImportError& e) {
        QCOMPARE(e.text(), message);
    }
}

void TestJetCsv::windows1252()
{
    // mdbtools without its code page conversion passes a Jet 3 file's bytes on.
    JetCsv csv(QByteArray("Name\n\"Jos\xe9 O\x92"
                          "Brien \x80 \x93"
                          "ok\x94\"\n"));
    QVERIFY(csv.readAsWindows1252());
    QVERIFY(csv.next());
    QCOMPARE(csv.text(0), QStringLiteral("José O’Brien € “ok”"));
}

void TestJetCsv::values_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("missing");
    QTest::addColumn<QString>("stored"); // "NULL" for Null
    QTest::addColumn<QString>("problem"); // empty when the value is stored

    const auto k = [](Kind kind) { return static_cast<int>(kind); };
    QTest::newRow("missing text is empty text") << k(Kind::Text) << "" << true << ""
                                                << "";
    QTest::newRow("missing optional text is Null") << k(Kind::OptionalText) << "" << true << "NULL"
                                                   << "";
    QTest::newRow("quoted empty optional text stays empty") << k(Kind::OptionalText) << "" << false << ""
                                                            << "";
    QTest::newRow("text kept exactly") << k(Kind::Text) << " O'Neil, \"Jr\" " << false << " O'Neil, \"Jr\" "
                                       << "";
    QTest::newRow("yes as 1") << k(Kind::YesNo) << "1" << false << "1"
                              << "";
    QTest::newRow("yes as -1") << k(Kind::YesNo) << "-1" << false << "1"
                               << "";
    QTest::newRow("yes as TRUE") << k(Kind::YesNo) << "TRUE" << false << "1"
                                 << "";
    QTest::newRow("no as False") << k(Kind::YesNo) << "False" << false << "0"
                                 << "";
    QTest::newRow("no as 0") << k(Kind::YesNo) << "0" << false << "0"
                             << "";
    QTest::newRow("missing yes/no is no") << k(Kind::YesNo) << "" << true << "0"
                                          << "";
    QTest::newRow("yes/no that is neither") << k(Kind::YesNo) << "maybe" << false << "NULL"
                                            << "\"maybe\" is not yes or no";
    QTest::newRow("date at midnight") << k(Kind::Date) << "1987-11-23 00:00:00" << false << "1987-11-23"
                                      << "";
    QTest::newRow("date keeps its day, not the time") << k(Kind::Date) << "2001-04-15 23:59:59" << false << "2001-04-15"
                                                      << "";
    QTest::newRow("date before 1900") << k(Kind::Date) << "1899-12-30 00:00:00" << false << "1899-12-30"
                                      << "";
    QTest::newRow("date month first, four-digit year") << k(Kind::Date) << "11/23/1987" << false << "1987-11-23"
                                                       << "";
    QTest::newRow("date with a two-digit year") << k(Kind::Date) << "11/23/87 00:00:00" << false << "NULL"
                                                << "\"11/23/87 00:00:00\" is not a date: its year has only 2 digits";
    QTest::newRow("no such day") << k(Kind::Date) << "2023-02-29 00:00:00" << false << "NULL"
                                 << "\"2023-02-29 00:00:00\" is not a date";
    QTest::newRow("missing date is Null") << k(Kind::Date) << "" << true << "NULL"
                                          << "";
    QTest::newRow("date and time") << k(Kind::DateTime) << "2024-03-05 12:34:56" << false << "2024-03-05T12:34:56"
                                   << "";
    QTest::newRow("date and time at midnight")
        << k(Kind::DateTime) << "2024-03-05 00:00:00" << false << "2024-03-05T00:00:00"
        << "";
    QTest::newRow("date and time without seconds")
        << k(Kind::DateTime) << "2024-03-05T07:08" << false << "2024-03-05T07:08:00"
        << "";
    QTest::newRow("time past midnight") << k(Kind::DateTime) << "2024-03-05 24:00:00" << false << "NULL"
                                        << "\"2024-03-05 24:00:00\" is not a date";
    QTest::newRow("whole number") << k(Kind::Integer) << "32767" << false << "32767"
                                  << "";
    QTest::newRow("whole number above 16 bits") << k(Kind::Integer) << "40000" << false << "40000"
                                                << "";
    QTest::newRow("whole number written with decimals") << k(Kind::Integer) << "12.0" << false << "12"
                                                        << "";
    QTest::newRow("fraction is not whole") << k(Kind::Integer) << "12.5" << false << "NULL"
                                           << "\"12.5\" is not a whole number";
    QTest::newRow("text in a number column") << k(Kind::Integer) << "twelve" << false << "NULL"
                                             << "\"twelve\" is not a whole number";
    QTest::newRow("plain 0 stays 0") << k(Kind::Integer) << "0" << false << "0"
                                     << "";
    QTest::newRow("link 0 is no link") << k(Kind::Link) << "0" << false << "NULL"
                                       << "";
    QTest::newRow("link kept") << k(Kind::Link) << "17" << false << "17"
                               << "";
    QTest::newRow("number with decimals") << k(Kind::Number) << "1.5" << false << "1.5"
                                          << "";
    QTest::newRow("missing password is empty") << k(Kind::Password) << "" << true << ""
                                               << "";
}

void TestJetCsv::values()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(bool, missing);
    QFETCH(QString, stored);
    QFETCH(QString, problem);
    const Value v = convert(static_cast<Kind>(kind), text, missing);
    QCOMPARE(v.problem, problem);
    QCOMPARE(v.isNull() ? QStringLiteral("NULL") : v.stored.toString(), stored);
}

QTEST_GUILESS_MAIN(TestJetCsv)
#include "tst_jetcsv.moc"
