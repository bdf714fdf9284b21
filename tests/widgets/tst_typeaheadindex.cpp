// The sorted type-ahead index finds the entry a search from the top finds.

#include "widgets/TypeAheadIndex.h"

#include <QtTest>

using namespace pw;

namespace {

int linearSearch(const QStringList& texts, const QString& prefix)
{
    for (int row = 0; row < texts.size(); ++row)
        if (texts.at(row).startsWith(prefix, Qt::CaseInsensitive))
            return row;
    return -1;
}

} // namespace

class TestTypeAheadIndex : public QObject {
    Q_OBJECT
private slots:
    void sameRowAsFromTheTop_data();
    void sameRowAsFromTheTop();
};

void TestTypeAheadIndex::sameRowAsFromTheTop_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("expected"); // for the first key; every key is also checked against the search from the top
    QTest::addColumn<QStringList>("keys");

    const QStringList names = { "", "Smythe, Bob", "smith, Ann", "Émile, Zoë", "Smith Jones, Al", "SMITH, ann b",
        "O'Brien, Pat", "Müller, Jörg", "Mueller, Max", "émile, Anne", "Straße, Eva", "STRASSE, Udo", "Peña, José",
        "Smith, Ann", "😀 Happy, Hal", "Zed,", "D'Angelo, Dan" };
    const QStringList everyKey = { "s", "S", "sm", "smith", "smith,", "smith, a", "SMITH, ANN", "smith, ann b",
        "smith ", "é", "É", "e", "émile, z", "mü", "MÜ", "mu", "straß", "STRASS", "o'", "p", "peña", "PEÑA", "😀", "😀 h",
        "z", "zed,", "zed, ", "x", "", " ", "smythe, bob and more", "d'angelo, dan" };
    QTest::newRow("names in no order") << names << 1 << everyKey;
    QStringList sorted = names;
    std::stable_sort(sorted.begin(), sorted.end(),
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    QTest::newRow("names in the index's own order")
        << sorted << int(sorted.indexOf("smith, Ann")) << QStringList { "smith, ann" } + everyKey;
    QTest::newRow("empty list") << QStringList() << -1 << QStringList { "a", "" };
    QTest::newRow("one entry") << QStringList { "Adams, Jo" } << 0 << QStringList { "AD", "adams, jo ", "b", "" };
    QTest::newRow("equal texts: the upper one")
        << QStringList { "Lee, Al", "lee, al", "LEE, AL" } << 0 << QStringList { "lee" };
    QTest::newRow("a prefix of the key is not a match")
        << QStringList { "Smith", "Smithson" } << 1 << QStringList { "smiths", "smith" };
}

void TestTypeAheadIndex::sameRowAsFromTheTop()
{
    QFETCH(QStringList, texts);
    QFETCH(int, expected);
    QFETCH(QStringList, keys);
    const TypeAheadIndex index(
        static_cast<int>(texts.size()), [&texts](int row, QString& out) { out.append(texts.at(row)); });
    QCOMPARE(index.firstStartingWith(keys.first()), expected);
    for (const QString& key : keys)
        QVERIFY2(index.firstStartingWith(key) == linearSearch(texts, key),
            qPrintable(QStringLiteral("key \"%1\"").arg(key)));
}

QTEST_GUILESS_MAIN(TestTypeAheadIndex)
#include "tst_typeaheadindex.moc"
