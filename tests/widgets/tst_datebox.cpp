// Dates typed as they are written, into any date box of the program.

#include "TestSupport.h"
#include "widgets/DateBox.h"

#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

using namespace pw;
using formats::TwoDigitYears;

class TestDateBox : public QObject {
    Q_OBJECT
private slots:
    void takesADateTypedAsWritten_data();
    void takesADateTypedAsWritten();
};

void TestDateBox::takesADateTypedAsWritten_data()
{
    QTest::addColumn<bool>("click"); // into the box by a click, or else by Tab
    QTest::addColumn<int>("years");
    QTest::addColumn<int>("ups"); // Up arrows pressed before typing
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("shown"); // after Tab; the box had 1/15/2000

    const int past = int(TwoDigitYears::Past), nearest = int(TwoDigitYears::Nearest);
    const QDate pi(1961, 3, 14);
    const QDate unchanged(2000, 1, 15);
    QTest::newRow("slashes") << false << nearest << 0 << "3/14/1961" << pi;
    QTest::newRow("leading zeros, clicked") << true << nearest << 0 << "03/14/1961" << pi;
    QTest::newRow("digits alone") << false << past << 0 << "03141961" << pi;
    QTest::newRow("six digits, birth date") << true << past << 0 << "031461" << pi;
    QTest::newRow("short year, birth date") << false << past << 0 << "3-14-61" << pi;
    QTest::newRow("short year, nearest century") << false << nearest << 0 << "3-14-61" << QDate(2061, 3, 14);
    QTest::newRow("short year of this year, birth date") << false << past << 0 << "3.1.26" << QDate(2026, 3, 1);
    QTest::newRow("short year of last century, nearest") << false << nearest << 0 << "12 31 99" << QDate(1999, 12, 31);
    QTest::newRow("no such day") << false << nearest << 0 << "2/30/1961" << unchanged;
    QTest::newRow("no such month") << true << nearest << 0 << "13/1/1961" << unchanged;
    QTest::newRow("no year") << false << nearest << 0 << "3/14" << unchanged;
    QTest::newRow("seven digits") << false << past << 0 << "3141961" << unchanged;
    QTest::newRow("three-digit year") << false << nearest << 0 << "3/14/961" << unchanged;
    QTest::newRow("letters are no part of a date") << false << nearest << 0 << "March 14" << unchanged;
    QTest::newRow("Up steps the month") << false << nearest << 1 << "" << QDate(2000, 2, 15);
    QTest::newRow("Up, clicked") << true << nearest << 1 << "" << QDate(2000, 2, 15);
}

void TestDateBox::takesADateTypedAsWritten()
{
    QFETCH(bool, click);
    QFETCH(int, years);
    QFETCH(int, ups);
    QFETCH(QString, typed);
    QFETCH(QDate, shown);
    test::TestEnv env;
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    auto* before = new QLineEdit(&form);
    auto* box = new DateBox(&form);
    auto* after = new QLineEdit(&form);
    for (QWidget* w : { static_cast<QWidget*>(before), static_cast<QWidget*>(box), static_cast<QWidget*>(after) })
        layout->addWidget(w);
    box->setTwoDigitYears(TwoDigitYears(years));
    box->setDate(QDate(2000, 1, 15));
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    before->setFocus();
    QSignalSpy changes(box, &QDateEdit::dateChanged);

    if (click) {
        // A click in the middle of the text, on the day.
        auto* text = box->findChild<QLineEdit*>();
        QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(text->width() / 3, text->height() / 2));
    } else {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCoreApplication::processEvents();
    QVERIFY(box->hasFocus());
    for (int i = 0; i < ups; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClicks(QApplication::focusWidget(), typed);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);

    QCOMPARE(QApplication::focusWidget(), after); // one Tab leaves the box
    QCOMPARE(box->date(), shown);
    QCOMPARE(box->text(), formats::dateText(shown));
    QCOMPARE(changes.isEmpty(), shown == QDate(2000, 1, 15));
}

QTEST_MAIN(TestDateBox)
#include "tst_datebox.moc"
