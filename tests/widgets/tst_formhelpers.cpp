#include "TestSupport.h"
#include "widgets/DateBox.h"
#include "widgets/FormHelpers.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace pw;

namespace {

const QStringList kNames { "Adams, Jo", "Miller, Dee", "Smith, Ann", "Smythe, Bob", "Smythe, Carl", "Émile, Zoë" };

// Types one character as the keyboard would, through the widget's event filters.
void typeChar(QWidget* widget, QChar c)
{
    const Qt::Key key = c.unicode() < 128 ? QTest::asciiToKey(char(c.unicode())) : Qt::Key(c.toUpper().unicode());
    QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
}

// Counts the presses of one key that the filters installed after it let through.
class KeyCounter : public QObject {
public:
    explicit KeyCounter(int key)
        : key(key)
    {
    }
    int key;
    int presses = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        presses += e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == key;
        return false;
    }
};

} // namespace

class TestFormHelpers : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestEnv> env;

    void pause(double seconds) { env->clock.advanceSeconds(seconds); }

private slots:
    void init()
    {
        env = std::make_unique<test::TestEnv>();
        ctx().settings.keyPressDelay = 2.0;
    }
    void cleanup() { env.reset(); }

    void typeAhead_data()
    {
        QTest::addColumn<double>("delay");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QList<double>>("pauses"); // before each key
        QTest::addColumn<QString>("expected");
        QTest::newRow("quick keys extend the search") << 2.0 << "SMI" << QList<double> { 0, .5, .5 } << "Smith, Ann";
        QTest::newRow("first match from the top") << 2.0 << "SMY" << QList<double> { 0, .5, .5 } << "Smythe, Bob";
        QTest::newRow("pause restarts the search") << 2.0 << "SM" << QList<double> { 0, 3 } << "Miller, Dee";
        QTest::newRow("pause equal to the delay restarts") << 2.0 << "SM" << QList<double> { 0, 2 } << "Miller, Dee";
        QTest::newRow("pause just under the delay extends")
            << 2.0 << "SM" << QList<double> { 0, 1.999 } << "Smith, Ann";
        QTest::newRow("fractional delay reached") << 0.5 << "SM" << QList<double> { 0, .5 } << "Miller, Dee";
        QTest::newRow("fractional delay not reached") << 0.5 << "SM" << QList<double> { 0, .499 } << "Smith, Ann";
        QTest::newRow("no match leaves the choice") << 2.0 << "X" << QList<double> { 0 } << "Miller, Dee";
        QTest::newRow("failed search keeps extending") << 2.0 << "XA" << QList<double> { 0, .5 } << "Miller, Dee";
        QTest::newRow("failed search ends after the pause") << 2.0 << "XA" << QList<double> { 0, 3 } << "Adams, Jo";
        QTest::newRow("backspace joins the search") << 2.0 << "\bA" << QList<double> { 0, .5 } << "Miller, Dee";
        // Enter and Escape belong to the window: A alone is searched.
        QTest::newRow("enter is no part of the search") << 2.0 << "\rA" << QList<double> { 0, .5 } << "Adams, Jo";
        QTest::newRow("escape is no part of the search")
            << 2.0 << QString(QChar(27)) + "A" << QList<double> { 0, .5 } << "Adams, Jo";
        QTest::newRow("lower case finds") << 2.0 << "smy" << QList<double> { 0, .5, .5 } << "Smythe, Bob";
        QTest::newRow("accented lower case finds") << 2.0 << "é" << QList<double> { 0 } << "Émile, Zoë";
        QTest::newRow("no delay: every key is new") << 0.0 << "SM" << QList<double> { 0, 0 } << "Miller, Dee";
    }
    void typeAhead()
    {
        QFETCH(double, delay);
        QFETCH(QString, keys);
        QFETCH(QList<double>, pauses);
        QFETCH(QString, expected);
        ctx().settings.keyPressDelay = delay;
        QComboBox combo;
        combo.addItems(kNames);
        combo.setCurrentIndex(1);
        attachTypeAhead(&combo);
        for (int i = 0; i < keys.size(); ++i) {
            pause(pauses.at(i));
            typeChar(&combo, keys.at(i));
        }
        QCOMPARE(combo.currentText(), expected);
    }

    void choiceRunsTheScreensReaction()
    {
        QComboBox combo;
        combo.addItems(kNames);
        attachTypeAhead(&combo);
        QStringList seen; // the combo's text as the reaction sees it
        connect(&combo, &QComboBox::activated, this,
            [&](int index) { seen << combo.currentText() + "@" + QString::number(index); });
        QSignalSpy texts(&combo, &QComboBox::textActivated);
        typeChar(&combo, 's');
        typeChar(&combo, 'm');
        QCOMPARE(seen, QStringList({ "Smith, Ann@2", "Smith, Ann@2" }));
        QCOMPARE(texts.size(), 2);
        QCOMPARE(texts.last().at(0).toString(), "Smith, Ann");
        typeChar(&combo, 'x');
        QCOMPARE(seen.size(), 2);
        QCOMPARE(texts.size(), 2);
    }

    void keysReachingTheFilter_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("consumed");
        QTest::newRow("letter") << int(Qt::Key_S) << int(Qt::NoModifier) << true;
        QTest::newRow("shifted letter") << int(Qt::Key_S) << int(Qt::ShiftModifier) << true;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier) << true;
        QTest::newRow("enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << false;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false;
        QTest::newRow("escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << false;
        QTest::newRow("tab") << int(Qt::Key_Tab) << int(Qt::NoModifier) << false;
        QTest::newRow("backtab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << false;
        QTest::newRow("arrow") << int(Qt::Key_Down) << int(Qt::NoModifier) << false;
        QTest::newRow("control shortcut") << int(Qt::Key_S) << int(Qt::ControlModifier) << false;
        QTest::newRow("alt access key") << int(Qt::Key_S) << int(Qt::AltModifier) << false;
    }
    void keysReachingTheFilter()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, consumed);
        QComboBox combo;
        combo.addItems(kNames);
        KeyCounter counter(key); // installed first, so it runs after the type-ahead filter
        combo.installEventFilter(&counter);
        attachTypeAhead({ &combo });
        QTest::keyClick(&combo, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(counter.presses == 0, consumed);
    }

    void anotherComboStartsANewSearch()
    {
        QComboBox first, second;
        first.addItems(kNames);
        second.addItems(kNames);
        attachTypeAhead({ &first, &second });
        typeChar(&first, 'S');
        typeChar(&second, 'M');
        QCOMPARE(second.currentText(), "Miller, Dee");
        typeChar(&first, 'M');
        QCOMPARE(first.currentText(), "Miller, Dee");

        // A combo box created at the address of a destroyed one must not continue its search.
        alignas(QComboBox) unsigned char storage[sizeof(QComboBox)];
        auto* gone = new (storage) QComboBox;
        gone->addItems(kNames);
        ComboTypeAhead(gone, 'S');
        gone->~QComboBox();
        auto* fresh = new (storage) QComboBox;
        fresh->addItems(kNames);
        ComboTypeAhead(fresh, 'M');
        const QString chosen = fresh->currentText();
        fresh->~QComboBox();
        QCOMPARE(chosen, "Miller, Dee");
    }

    void largeList()
    {
        QComboBox combo;
        for (int i = 0; i < 100000; ++i)
            addItemWithId(&combo, QString("Person %1").arg(i, 6, 10, QChar('0')), 1000000 + i);
        combo.setItemText(60000, "Smith, Ann");
        combo.setItemText(99999, "Smith, Ann");
        attachTypeAhead(&combo);
        for (QChar c : QString("smi"))
            typeChar(&combo, c);
        QCOMPARE(combo.currentIndex(), 60000);
        QVERIFY(selectById(&combo, 1099999));
        QCOMPARE(combo.currentIndex(), 99999);
    }

    void selectingById_data()
    {
        QTest::addColumn<qint64>("id");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("expected");
        QTest::newRow("above 16 bits") << qint64(40000) << true << "Adams, Jo";
        QTest::newRow("above 32 bits") << qint64(5000000000) << true << "Baker, Al";
        QTest::newRow("absent") << qint64(12345) << false << "Clark, Cy";
        QTest::newRow("zero is not an item without id") << qint64(0) << false << "Clark, Cy";
    }
    void selectingById()
    {
        QFETCH(qint64, id);
        QFETCH(bool, found);
        QFETCH(QString, expected);
        QComboBox combo;
        QCOMPARE(selectedId(&combo), 0);
        combo.addItem("(none)");
        addItemWithId(&combo, "Adams, Jo", 40000);
        addItemWithId(&combo, "Baker, Al", 5000000000);
        addItemWithId(&combo, "Clark, Cy", 7);
        combo.setCurrentIndex(3);
        QCOMPARE(selectById(&combo, id), found);
        QCOMPARE(combo.currentText(), expected);
        QCOMPARE(selectedId(&combo), found ? id : 7);
    }

    void fixedWidth_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("cut") << "Jones" << 3 << "Jon";
        QTest::newRow("padded") << "Jones" << 8 << "Jones   ";
        QTest::newRow("equal") << "Jones" << 5 << "Jones";
        QTest::newRow("zero") << "Jones" << 0 << "";
        QTest::newRow("negative") << "Jones" << -2 << "";
        QTest::newRow("empty text") << "" << 2 << "  ";
        QTest::newRow("accented cut") << "Zoë Müller" << 6 << "Zoë Mü";
        QTest::newRow("accented padded") << "Zoë" << 4 << "Zoë ";
    }
    void fixedWidth()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QCOMPARE(FixedWidth(text, width), expected);
    }

    void selectAllWhenFocused_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("byMouse");
        const QString phone("(999) 999-9999");
        QTest::newRow("plain, mouse") << QString() << "John Smith" << true;
        QTest::newRow("masked, keyboard") << phone << "5551234567" << false;
        QTest::newRow("masked, mouse") << phone << "5551234567" << true;
        QTest::newRow("masked empty, mouse") << phone << QString() << true;
    }
    void selectAllWhenFocused()
    {
        QFETCH(QString, mask);
        QFETCH(QString, text);
        QFETCH(bool, byMouse);
        QWidget window;
        auto* layout = new QHBoxLayout(&window);
        auto* other = new QLineEdit(&window);
        auto* box = new QLineEdit(&window);
        layout->addWidget(other);
        layout->addWidget(box);
        box->setInputMask(mask);
        box->setText(text);
        selectAllOnFocus({ box });
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        if (byMouse)
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() / 2, box->height() / 2));
        else
            box->setFocus(Qt::TabFocusReason);
        QVERIFY(box->hasFocus());
        QTRY_COMPARE(box->selectionLength(), box->displayText().size());
        QCOMPARE(box->selectionStart(), 0);
    }

    void busyCursorIsRestoredOnException()
    {
        try {
            BusyCursor busy;
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            throw std::runtime_error("failed");
        } catch (const std::runtime_error&) {
        }
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void defaultAndCancelButtons_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("focusOnExit");
        QTest::addColumn<bool>("saveEnabled");
        QTest::addColumn<QList<int>>("clicks"); // save, cancel, exit
        QTest::newRow("enter in a text box") << int(Qt::Key_Return) << 0 << false << true << QList<int> { 1, 0, 0 };
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false << true
                                      << QList<int> { 1, 0, 0 };
        QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << false << true << QList<int> { 0, 1, 0 };
        QTest::newRow("disabled default") << int(Qt::Key_Return) << 0 << false << false << QList<int> { 0, 0, 0 };
        QTest::newRow("focused button wins") << int(Qt::Key_Return) << 0 << true << true << QList<int> { 0, 0, 1 };
        QTest::newRow("control enter") << int(Qt::Key_Return) << int(Qt::ControlModifier) << false << true
                                       << QList<int> { 0, 0, 0 };
    }
    void defaultAndCancelButtons()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, focusOnExit);
        QFETCH(bool, saveEnabled);
        QFETCH(QList<int>, clicks);
        QWidget form;
        auto* edit = new QLineEdit(&form);
        auto* save = new QPushButton("Save", &form);
        auto* cancel = new QPushButton("Cancel", &form);
        auto* exit = new QPushButton("Exit", &form);
        setDefaultButton(&form, save);
        setCancelButton(&form, cancel);
        save->setEnabled(saveEnabled);
        QSignalSpy saved(save, &QPushButton::clicked), cancelled(cancel, &QPushButton::clicked),
            exited(exit, &QPushButton::clicked);
        QWidget* target = focusOnExit ? static_cast<QWidget*>(exit) : edit;
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE((QList<int> { int(saved.size()), int(cancelled.size()), int(exited.size()) }), clicks);
    }

    // Enter, Escape and a shortcut reach the window from a date box being
    // typed into and from a pick list with type-ahead: real keys, shown widgets.
    void windowKeysFromDatesAndLists_data()
    {
        QTest::addColumn<bool>("inList"); // else in the date box
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("acted"); // the button or shortcut that acted, and the box's value then
        QTest::newRow("date, Enter") << false << "12/25/1960" << QKeySequence(Qt::Key_Return) << "save@1960-12-25";
        QTest::newRow("date, Ctrl+S") << false << "12/25/1960" << QKeySequence(Qt::CTRL | Qt::Key_S)
                                      << "shortcut@1960-12-25";
        QTest::newRow("date, Escape") << false << "12/25/1960" << QKeySequence(Qt::Key_Escape) << "cancel@2000-01-15";
        QTest::newRow("list, Enter") << true << "smy" << QKeySequence(Qt::Key_Return) << "save@Smythe, Bob";
    }
    void windowKeysFromDatesAndLists()
    {
        QFETCH(bool, inList);
        QFETCH(QString, typed);
        QFETCH(QKeySequence, key);
        QFETCH(QString, acted);
        QWidget form;
        auto* layout = new QHBoxLayout(&form);
        auto* date = new DateBox(&form);
        auto* list = new QComboBox(&form);
        auto* save = new QPushButton("Save", &form);
        auto* cancel = new QPushButton("Cancel", &form);
        for (QWidget* w : std::initializer_list<QWidget*> { date, list, save, cancel })
            layout->addWidget(w);
        date->setDate(QDate(2000, 1, 15));
        list->addItems(kNames);
        attachTypeAhead(list);
        setDefaultButton(&form, save);
        setCancelButton(&form, cancel);
        auto* shortcut = new QAction(&form);
        shortcut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
        form.addAction(shortcut);
        QStringList seen;
        auto record = [&](const char* what) {
            seen << QString::fromLatin1(what) + '@' + (inList ? list->currentText() : date->date().toString(Qt::ISODate));
        };
        connect(save, &QPushButton::clicked, [&] { record("save"); });
        connect(cancel, &QPushButton::clicked, [&] { record("cancel"); });
        connect(shortcut, &QAction::triggered, [&] { record("shortcut"); });
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QWidget* box = inList ? static_cast<QWidget*>(list) : date;
        box->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QTest::keyClicks(box, typed);
        QTest::keySequence(box, key);
        QCOMPARE(seen, QStringList { acted });
    }
};

QTEST_MAIN(TestFormHelpers)
#include "tst_formhelpers.moc"
