// The one reading of a written telephone number, as the people import and
// the duplicate rule use it (the boxes are tested with keys and paste).

#include "data/PhoneRule.h"

#include <QtTest>

using namespace pw;

class TestPhoneRule : public QObject {
    Q_OBJECT
private slots:
    void tenDigits_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("digits"); // empty: no whole number
        QTest::newRow("dashes") << "615-555-0142" << "6155550142";
        QTest::newRow("dots, slashes, blanks") << " 615.555/0142 " << "6155550142";
        QTest::newRow("brackets") << "(615) 555-0142" << "6155550142";
        QTest::newRow("country code 1") << "1-615-555-0142" << "6155550142";
        QTest::newRow("country code +1") << "+1 (615) 555-0142" << "6155550142";
        QTest::newRow("seven digits") << "555-0142" << "";
        QTest::newRow("another country") << "+44 20 7946 0958" << "";
        QTest::newRow("eleven digits, no 1 first") << "61555501423" << "";
        QTest::newRow("an extension") << "615-555-0142 x1" << "";
        QTest::newRow("plus between digits") << "615+555-0142" << "";
    }
    void tenDigits()
    {
        QFETCH(QString, written);
        QFETCH(QString, digits);
        QCOMPARE(phones::tenDigits(written), digits);
    }
};

QTEST_MAIN(TestPhoneRule)
#include "tst_phonerule.moc"
