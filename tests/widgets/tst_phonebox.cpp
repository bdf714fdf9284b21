// The telephone boxes, typed and pasted into as a user does, with the real
// message box for what they refuse.

#include "RealMessageBoxes.h"
#include "TestSupport.h"

#include "widgets/FormHelpers.h"

#include <QClipboard>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

using namespace pw;

class TestPhoneBox : public QObject {
    Q_OBJECT
private slots:
    void takesTheDigitsOfWhatIsTypedOrPasted_data()
    {
        QTest::addColumn<QString>("typed"); // key by key
        QTest::addColumn<QString>("pasted"); // then with Ctrl+V, when given
        QTest::addColumn<QString>("digits"); // what the box then stores
        QTest::addColumn<QString>("message"); // the start of the refusal; empty: none
        const QString number = "6155550142", tooMany = "Invalid Entry: A telephone number has at most 10 digits";
        QTest::newRow("typed with dashes") << "615-555-0142" << "" << number << "";
        QTest::newRow("typed with +1 and brackets") << "+1 (615) 555.0142" << "" << number << "";
        QTest::newRow("a digit too many typed") << "615-555-01423" << "" << number << tooMany;
        QTest::newRow("pasted with dashes") << "" << "1-615-555-0142" << number << "";
        QTest::newRow("pasted after the area code") << "615" << "555/0142" << number << "";
        QTest::newRow("pasted from abroad") << "615" << "+44 20 7946 0958" << "615" << tooMany;
        QTest::newRow("pasted with an extension")
            << "" << "615-555-0142 x12" << "" << "Invalid Entry: \"615-555-0142 x12\" is not a telephone number";
    }
    void takesTheDigitsOfWhatIsTypedOrPasted()
    {
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(QString, digits);
        QFETCH(QString, message);
        test::TestEnv env;
        test::RealMessageBoxes boxes;
        QWidget form;
        auto* layout = new QVBoxLayout(&form);
        auto* phone = new QLineEdit(&form);
        layout->addWidget(phone);
        layout->addWidget(new QLineEdit(&form));
        setupPhoneBox(phone);
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        phone->setFocus(Qt::MouseFocusReason);
        phone->setCursorPosition(1);

        QTest::keyClicks(phone, typed);
        if (!pasted.isEmpty()) {
            QApplication::clipboard()->setText(pasted);
            QTest::keySequence(phone, QKeySequence::Paste);
        }
        QCOMPARE(phoneDigits(phone), digits);
        QCOMPARE(boxes.shown.size(), message.isEmpty() ? 0 : 1);
        QVERIFY(message.isEmpty() || boxes.shown.first().startsWith(message));
        QTRY_COMPARE(QApplication::focusWidget(), phone);
    }
};

QTEST_MAIN(TestPhoneBox)
#include "tst_phonebox.moc"
