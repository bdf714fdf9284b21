#include "data/Windows1252.h"

#include <QtTest>

using namespace pw;

// The bytes where Windows-1252 and Latin-1 part, and the unused ones.
class TestWindows1252 : public QObject {
    Q_OBJECT
private slots:
    void bytes_data();
    void bytes();
};

void TestWindows1252::bytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII unchanged") << QByteArray("Hale, Helen\t1\r\n") << QStringLiteral("Hale, Helen\t1\r\n");
    QTest::newRow("euro sign at 0x80") << QByteArray("\x80 5") << QStringLiteral("\u20AC 5");
    QTest::newRow("printer's quotes and dash") << QByteArray("\x93O\x92Neil\x94 \x96 x")
                                               << QStringLiteral("\u201CO\u2019Neil\u201D \u2013 x");
    QTest::newRow("last of the range, 0x9F") << QByteArray("\x9F") << QStringLiteral("\u0178");
    QTest::newRow("unused bytes stay controls")
        << QByteArray("\x81\x8D\x8F\x90\x9D") << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
    QTest::newRow("Latin-1 above 0x9F") << QByteArray("\xA0\xC9\xE9\xFF") << QStringLiteral("\u00A0\u00C9\u00E9\u00FF");
}

void TestWindows1252::bytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(fromWindows1252(bytes), text);
    QCOMPARE(fromWindows1252(bytes.constData(), bytes.size()), text);
}

QTEST_GUILESS_MAIN(TestWindows1252)
#include "tst_windows1252.moc"
