#include "app/Config.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace pw;

class TestConfig : public QObject {
    Q_OBJECT
private slots:
    void fields_data();
    void fields();
    void tooFewFields_data();
    void tooFewFields();
    void missingFile();
    void writtenFileReadsBack();
};

void TestConfig::fields_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("database");
    QTest::addColumn<QString>("pictures");

    QTest::newRow("heading and two label lines") << "Pewlark\nDatabase,/data/church.sqlite\nPictures,/data/pics/\n"
                                                 << "/data/church.sqlite"
                                                 << "/data/pics/";
    QTest::newRow("quoted path with comma") << "x\nDB,\"/data/First Church, Main St/church.sqlite\"\nP,\"/p/\""
                                            << "/data/First Church, Main St/church.sqlite"
                                            << "/p/";
    QTest::newRow("all on one line") << "a,b,/db.sqlite,c,/pics/"
                                     << "/db.sqlite"
                                     << "/pics/";
    QTest::newRow("one per line, CRLF") << "a\r\nb\r\nC:\\Church\\db.sqlite\r\nc\r\nC:\\Pics\\\r\n"
                                        << "C:\\Church\\db.sqlite"
                                        << "C:\\Pics\\";
    QTest::newRow("blanks before fields") << "a,   b,\t  /db.sqlite\n  c ,  /pics/"
                                          << "/db.sqlite"
                                          << "/pics/";
    QTest::newRow("blanks before a quoted field") << "a\nb,   \"/my db.sqlite\"\nc,\"/p/\""
                                                  << "/my db.sqlite"
                                                  << "/p/";
    QTest::newRow("folder without separator is kept as typed") << "a\nb,/db\nc,C:\\Pics"
                                                               << "/db"
                                                               << "C:\\Pics";
    QTest::newRow("nothing after the fifth field is read") << "a,b,/db,c,/p/,extra,\"more\"\nand more"
                                                           << "/db"
                                                           << "/p/";
    QTest::newRow("empty lines between fields") << "a\n\nb,/db\n\n\nc,/p/"
                                                << "/db"
                                                << "/p/";
    QTest::newRow("empty field between commas") << "a,,/db,c,/p/"
                                                << "/db"
                                                << "/p/";
    QTest::newRow("non-ASCII path") << "a\nb,\"/home/josé/église.sqlite\"\nc,/p/"
                                    << "/home/josé/église.sqlite"
                                    << "/p/";
}

void TestConfig::fields()
{
    QFETCH(QString, content);
    QFETCH(QString, database);
    QFETCH(QString, pictures);
    const ConfigValues v = config::parse(content, QStringLiteral("config.txt"));
    QCOMPARE(v.databasePath, database);
    QCOMPARE(v.pictureFolder, pictures);
}

void TestConfig::tooFewFields_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("found");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("blank lines only") << "\n\n  \n" << 0;
    QTest::newRow("four fields") << "a\nb,/db\nc" << 4;
    QTest::newRow("comma inside quotes is not a separator") << "a,\"b,c,d\",e" << 3;
}

void TestConfig::tooFewFields()
{
    QFETCH(QString, content);
    QFETCH(int, found);
    try {
        config::parse(content, QStringLiteral("/etc/pewlark/config.txt"));
        QFAIL("a short file was accepted");
    } catch (const StartupError& e) {
        QVERIFY2(e.text().contains(QStringLiteral("/etc/pewlark/config.txt")), qPrintable(e.text()));
        QVERIFY2(e.text().contains(QStringLiteral("holds %1 of the five fields").arg(found)), qPrintable(e.text()));
    }
}

void TestConfig::missingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.txt"));
    try {
        config::load(path);
        QFAIL("a missing file was accepted");
    } catch (const StartupError& e) {
        QVERIFY(e.text().contains(path));
        QVERIFY(e.text().contains(QStringLiteral("does not exist")));
    }
    QVERIFY(!QFileInfo::exists(path));
}

void TestConfig::writtenFileReadsBack()
{
    const ConfigValues written { QStringLiteral("/srv/Grace, Main St/church.sqlite"), QStringLiteral("/srv/pics/") };
    const ConfigValues read = config::parse(config::write(written), QStringLiteral("config.txt"));
    QCOMPARE(read.databasePath, written.databasePath);
    QCOMPARE(read.pictureFolder, written.pictureFolder);
}

QTEST_GUILESS_MAIN(TestConfig)
#include "tst_config.moc"
