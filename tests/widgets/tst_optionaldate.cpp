// A date whose tick box is clear draws nothing in its date box yet keeps its
// date, whatever order the box is ticked, cleared, enabled or set in.

#include "widgets/OptionalDate.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QtTest>

using namespace pw;

namespace {

struct DateRow {
    QWidget form;
    QCheckBox* check = new QCheckBox(QStringLiteral("<--"), &form);
    QDateEdit* picker = new QDateEdit(QDate(1971, 4, 9), &form);

    DateRow()
    {
        auto* layout = new QHBoxLayout(&form);
        layout->addWidget(picker);
        layout->addWidget(check);
        picker->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
        picker->setEnabled(false);
        // As the screens bind their dates: the box enables its picker.
        QObject::connect(check, &QCheckBox::toggled, picker, &QWidget::setEnabled);
    }

    // How many pixels of the date box differ from its background: the
    // painted date, or nothing.
    int inkInDateBox()
    {
        form.show();
        QCoreApplication::processEvents();
        auto* box = picker->findChild<QLineEdit*>();
        const QImage image = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb background = image.pixel(1, 1);
        int ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                if (std::abs(qRed(c) - qRed(background)) + std::abs(qGreen(c) - qGreen(background))
                        + std::abs(qBlue(c) - qBlue(background))
                    > 60)
                    ++ink;
            }
        return ink;
    }
};

} // namespace

class TestOptionalDate : public QObject {
    Q_OBJECT
private slots:
    void drawsTheDateOnlyWhenTicked_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("clear from the start") << QStringList() << false;
        QTest::newRow("ticked") << QStringList { "tick" } << true;
        QTest::newRow("ticked, then cleared") << QStringList { "tick", "clear" } << false;
        QTest::newRow("cleared, then ticked again") << QStringList { "tick", "clear", "tick" } << true;
        QTest::newRow("enabled while clear") << QStringList { "enable" } << false;
        QTest::newRow("another date set while clear") << QStringList { "date" } << false;
        QTest::newRow("ticked while bound") << QStringList { "tick before binding" } << true;
        QTest::newRow("cleared after ticked while bound") << QStringList { "tick before binding", "clear" } << false;
    }
    void drawsTheDateOnlyWhenTicked()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, drawn);
        DateRow row;
        const int inkOfADate = [] {
            DateRow plain;
            plain.picker->setEnabled(true);
            return plain.inkInDateBox();
        }();
        QVERIFY2(inkOfADate > 20, "a date box that shows its date has ink");

        QDate expected = row.picker->date();
        if (steps.value(0) == QLatin1String("tick before binding"))
            row.check->setChecked(true);
        showDateOnlyWhenSet(row.check, row.picker);
        for (const QString& step : steps) {
            if (step == QLatin1String("tick"))
                QTest::mouseClick(row.check, Qt::LeftButton, {}, QPoint(4, row.check->height() / 2));
            else if (step == QLatin1String("clear"))
                row.check->setChecked(false);
            else if (step == QLatin1String("enable"))
                row.picker->setEnabled(true);
            else if (step == QLatin1String("date"))
                row.picker->setDate(expected = QDate(2003, 9, 14));
        }
        const int ink = row.inkInDateBox();
        if (drawn)
            QVERIFY2(ink > 20, qPrintable(QString::number(ink)));
        else
            QCOMPARE(ink, 0);
        // The date itself is never lost.
        QCOMPARE(row.picker->date(), expected);
        QCOMPARE(row.check->isChecked(), drawn);
    }

    void tickBoxSaysWhatItDoes()
    {
        DateRow row;
        showDateOnlyWhenSet(row.check, row.picker);
        QCOMPARE(row.check->toolTip(), QStringLiteral("Set this date"));
        QCOMPARE(row.check->text(), QStringLiteral("<--"));
    }
};

QTEST_MAIN(TestOptionalDate)
#include "tst_optionaldate.moc"
