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
    void tooLarge_data();
    void tooLarge();
    void writtenFileReadsBack();
    void decode_data();
    void decode();
    void encodedFileNamesExistingDatabase_data();
    void encodedFileNamesExistingDatabase();
    void notText_data();
    void notText();
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
        QVERIFY2(e.text().contains(QDir::toNativeSeparators(QStringLiteral("/etc/pewlark/config.txt"))),
            qPrintable(e.text()));
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
        QVERIFY(e.text().contains(QDir::toNativeSeparators(path)));
        QVERIFY(e.text().contains(QStringLiteral("does not exist")));
    }
    QVERIFY(!QFileInfo::exists(path));
}

void TestConfig::tooLarge_data()
{
    QTest::addColumn<QString>("file"); // empty: a file one byte over the limit
    if (QFileInfo::exists(QStringLiteral("/dev/zero"))) // Windows has no such device
        QTest::newRow("a device that never ends") << "/dev/zero";
    QTest::newRow("one byte over the limit") << "";
}

// Five short fields: a large file is refused by its size, unread.
void TestConfig::tooLarge()
{
    QFETCH(QString, file);
    QTemporaryDir dir;
    if (file.isEmpty()) {
        file = dir.filePath(QStringLiteral("config.txt"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("a\nb,/srv/church.sqlite\nc,/srv/pics/" + QByteArray(config::kMaxSize, '\n'));
    }
    try {
        config::load(file);
        QFAIL("a large file was read");
    } catch (const StartupError& e) {
        QVERIFY2(e.text().startsWith(QStringLiteral("The configuration file \"%1\" is larger than 64 KB")
                                         .arg(QDir::toNativeSeparators(file))),
            qPrintable(e.text()));
    }
}

void TestConfig::writtenFileReadsBack()
{
    const ConfigValues written { QStringLiteral("/srv/Grace, Main St/church.sqlite"), QStringLiteral("/srv/pics/") };
    const ConfigValues read = config::parse(config::write(written), QStringLiteral("config.txt"));
    QCOMPARE(read.databasePath, written.databasePath);
    QCOMPARE(read.pictureFolder, written.pictureFolder);
}

void TestConfig::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("plain ASCII") << QByteArray("a,b") << "a,b";
    QTest::newRow("UTF-8") << QByteArray("\xc3\xa9glise \xe2\x82\xac") << QString::fromUtf8("église €");
    QTest::newRow("UTF-8, byte-order mark dropped") << QByteArray("\xef\xbb\xbfx") << "x";
    QTest::newRow("Windows-1252 letters") << QByteArray("\xe9glise Z\xfcrich") << QString::fromUtf8("église Zürich");
    QTest::newRow("Windows-1252 quotes, euro, dash") << QByteArray("\x93"
                                                                   "a\x94 \x80 \x96 \x92")
                                                     << QString::fromUtf8("“a” € – ’");
    QTest::newRow("a broken UTF-8 sequence means Windows-1252")
        << QByteArray("\xc3\xa9 \xe9") << QString::fromUtf8("Ã© é");
    QTest::newRow("UTF-16 with byte-order mark") << QByteArray("\xff\xfe"
                                                               "a\0,\0\xe9\0",
        8) << QString::fromUtf8("a,é");
    QTest::newRow("undefined Windows-1252 byte stays a control character") << QByteArray("a\x81") << QString("a\u0081");
}

void TestConfig::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(config::decode(bytes), text);
}

// The same config.txt in the encodings an office's editors write names the
// same existing database file.
void TestConfig::encodedFileNamesExistingDatabase_data()
{
    QTest::addColumn<QString>("encoding");
    QTest::newRow("UTF-8") << "UTF-8";
    QTest::newRow("UTF-8 with byte-order mark") << "UTF-8 BOM";
    QTest::newRow("Windows-1252") << "Windows-1252";
    QTest::newRow("UTF-16 little-endian with byte-order mark") << "UTF-16LE";
}

void TestConfig::encodedFileNamesExistingDatabase()
{
    QFETCH(QString, encoding);
    QTemporaryDir dir;
    const QString database = dir.filePath(QString::fromUtf8("Église Saint-André.sqlite"));
    QFile(database).open(QIODevice::WriteOnly);
    const QString text = config::write({ database, dir.path() + QLatin1Char('/') });
    QByteArray bytes;
    if (encoding.startsWith(QLatin1String("UTF-8")))
        bytes = (encoding.endsWith(QLatin1String("BOM")) ? QByteArray("\xef\xbb\xbf") : QByteArray()) + text.toUtf8();
    else if (encoding == QLatin1String("Windows-1252"))
        bytes = text.toLatin1(); // the name's letters are the same in both
    else
        bytes = QByteArray("\xff\xfe") + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    const QString path = dir.filePath(QStringLiteral("config.txt"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    const ConfigValues v = config::load(path);
    QCOMPARE(v.databasePath, database);
    QVERIFY(QFileInfo::exists(v.databasePath));
}

void TestConfig::notText_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("line"); // 0: accepted

    QTest::newRow("NUL inside the database path") << QString::fromLatin1("a\nb,/db\0x\nc,/p/", 16) << 2;
    QTest::newRow("escape character in a label") << "a\x1b[0m\nb,/db\nc,/p/" << 1;
    QTest::newRow("undefined byte read as a control character") << "a\nb,/d\u0081b\nc,/p/" << 2;
    QTest::newRow("in the picture folder on line 3") << "a\nb,/db\nc,/p\x01/" << 3;
    QTest::newRow("tab and CR LF are text") << "a\tx\r\nb,/db\r\nc,/p/" << 0;
    QTest::newRow("after the fifth field nothing is read") << "a\nb,/db\nc,/p/\n\x01\x02\x03" << 0;
}

void TestConfig::notText()
{
    QFETCH(QString, content);
    QFETCH(int, line);
    try {
        const ConfigValues v = config::parse(content, QStringLiteral("/etc/pewlark/config.txt"));
        QVERIFY2(line == 0, "a file with control characters was accepted");
        QCOMPARE(v.databasePath, QStringLiteral("/db"));
    } catch (const StartupError& e) {
        QVERIFY2(line > 0, qPrintable(e.text()));
        QVERIFY2(e.text().startsWith(QStringLiteral("The configuration file \"%1\" is not a plain text file: line %2 ")
                                         .arg(QDir::toNativeSeparators(QStringLiteral("/etc/pewlark/config.txt")))
                                         .arg(line)),
            qPrintable(e.text()));
    }
}

QTEST_GUILESS_MAIN(TestConfig)
#include "tst_config.moc"
