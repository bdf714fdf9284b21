#include "TestSupport.h"

#include "widgets/EditTracker.h"
#include "widgets/PickList.h"
#include "app/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtTest>

using namespace pw;
using test::TestEnv;

namespace {

// A small editing screen: two boxes, a list, a check box, and a chooser the
// tracker ignores.
class Form : public QWidget, public EditingScreen {
public:
    Form()
    {
        auto* layout = new QVBoxLayout(this);
        for (QWidget* w : std::initializer_list<QWidget*> { name, chooser, list, check })
            layout->addWidget(w);
        fillTextList(list, { QStringLiteral("A"), QStringLiteral("B") });
        fillTextList(chooser, { QStringLiteral("one"), QStringLiteral("two") });
        tracker->watch(this);
        tracker->ignore(chooser);
        tracker->setRecordName([this] { return name->text(); });
        tracker->setSave([this] {
            ++saves;
            if (!saveSucceeds)
                return false;
            tracker->markClean();
            return true;
        });
    }
    EditTracker* editTracker() override { return tracker; }
    void saveKeepingRecord() override { tracker->setSave({}); }

    QLineEdit* name = new QLineEdit(this);
    QComboBox* chooser = new QComboBox(this);
    QComboBox* list = new QComboBox(this);
    QCheckBox* check = new QCheckBox(this);
    EditTracker* tracker = new EditTracker(this, QStringLiteral("Thing Entry"));
    int saves = 0;
    bool saveSucceeds = true;
};

} // namespace

class TestEditTracker : public QObject {
    Q_OBJECT
private slots:
    void changesMarkTheTitle();
    void leaving_data();
    void leaving();
    void leaveAll_data();
    void leaveAll();
    void bringToViewSelectsTheTab();
};

void TestEditTracker::changesMarkTheTitle()
{
    TestEnv env;
    Form f;
    QCOMPARE(f.windowTitle(), QStringLiteral("Thing Entry"));
    f.name->setText(QStringLiteral("Hale, Helen"));
    QCOMPARE(f.windowTitle(), QStringLiteral("Thing Entry*"));
    f.name->clear(); // typed and typed back: no change
    QCOMPARE(f.windowTitle(), QStringLiteral("Thing Entry"));
    f.chooser->setCurrentIndex(1); // choosing a record is no change
    QVERIFY(!f.tracker->isDirty());
    f.list->setCurrentIndex(0);
    f.check->setChecked(true);
    {
        EditTracker::Quiet quiet(f.tracker);
        f.check->setChecked(false);
        f.list->setCurrentIndex(-1);
    }
    QCOMPARE(f.windowTitle(), QStringLiteral("Thing Entry"));
    env.loginAs(1, QStringLiteral("User")); // nobody logged in would read "(Log in to save)"
    f.tracker->setViewOnly(true);
    QCOMPARE(f.windowTitle(), QStringLiteral("Thing Entry (View only)"));
    f.check->setChecked(true);
    QCOMPARE(f.windowTitle(), QStringLiteral("Thing Entry* (View only)"));
    QCOMPARE(env.messages.count(), 0);
}

void TestEditTracker::leaving_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("saveSucceeds");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("saves");
    QTest::newRow("nothing changed asks nothing") << false << "" << true << int(Leave::Go) << 0;
    QTest::newRow("save") << true << "Save" << true << int(Leave::Go) << 1;
    QTest::newRow("save refused by its checks") << true << "Save" << false << int(Leave::Stay) << 1;
    QTest::newRow("discard") << true << "Discard" << true << int(Leave::Discarded) << 0;
    QTest::newRow("cancel") << true << "Cancel" << true << int(Leave::Stay) << 0;
}

void TestEditTracker::leaving()
{
    QFETCH(bool, changed);
    QFETCH(QString, answer);
    QFETCH(bool, saveSucceeds);
    QFETCH(int, result);
    QFETCH(int, saves);
    TestEnv env;
    QMdiArea area;
    auto* f = new Form;
    f->saveSucceeds = saveSucceeds;
    QMdiSubWindow* sub = area.addSubWindow(f);
    QPointer<QMdiSubWindow> alive = sub;
    sub->setAttribute(Qt::WA_DeleteOnClose);
    area.show();
    if (changed)
        f->name->setText(QStringLiteral("Hale, Helen"));
    env.messages.choices = QStringList { answer };

    // Closing the window by its frame goes through the same question.
    sub->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const bool closed = !alive || alive->isHidden();
    QCOMPARE(closed, result != int(Leave::Stay));
    QCOMPARE(env.messages.count(), changed ? 1 : 0);
    if (changed) {
        QCOMPARE(env.messages.last().text, QStringLiteral("Save changes to Hale, Helen?"));
        QCOMPARE(env.messages.last().buttons, QStringList({ "Save", "Discard", "Cancel" }));
    }
    if (alive && !closed) {
        QCOMPARE(f->saves, saves);
        QCOMPARE(f->name->text(), QStringLiteral("Hale, Helen")); // nothing lost
    }
}

void TestEditTracker::leaveAll_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("closeDiscarded");
    QTest::addColumn<bool>("mayLeave");
    QTest::addColumn<int>("stillOpen");
    QTest::newRow("both discarded at log off") << QStringList { "Discard", "Discard" } << true << true << 1;
    QTest::newRow("both discarded at exit") << QStringList { "Discard", "Discard" } << false << true << 3;
    QTest::newRow("second cancelled") << QStringList { "Discard", "Cancel" } << true << false << 2;
    QTest::newRow("first saved") << QStringList { "Save", "Discard" } << true << true << 2;
}

// Log Off and File > Exit ask every screen with unsaved changes in turn; a
// screen without changes is not asked.
void TestEditTracker::leaveAll()
{
    QFETCH(QStringList, answers);
    QFETCH(bool, closeDiscarded);
    QFETCH(bool, mayLeave);
    QFETCH(int, stillOpen);
    TestEnv env;
    QMdiArea area;
    Workspace ws(&area);
    Form* forms[3] = { new Form, new Form, new Form };
    for (Form* f : forms) {
        ws.add(f);
        f->name->setText(QStringLiteral("Person"));
        f->tracker->markClean();
    }
    forms[0]->name->setText(QStringLiteral("Changed one"));
    forms[2]->name->setText(QStringLiteral("Changed two"));
    env.messages.choices = answers;
    QCOMPARE(ws.confirmLeaveAll(closeDiscarded), mayLeave);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int open = 0;
    for (QMdiSubWindow* sub : area.subWindowList())
        open += sub->isHidden() ? 0 : 1;
    QCOMPARE(open, stillOpen);
    QCOMPARE(env.messages.count(), answers.size());
}

void TestEditTracker::bringToViewSelectsTheTab()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* outer = new QTabWidget;
    auto* inner = new QTabWidget;
    auto* box = new QLineEdit;
    outer->addTab(new QWidget, QStringLiteral("First"));
    outer->addTab(inner, QStringLiteral("Second"));
    inner->addTab(new QWidget, QStringLiteral("A"));
    inner->addTab(box, QStringLiteral("B"));
    layout->addWidget(outer);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    bringToView(box);
    QCOMPARE(outer->currentIndex(), 1);
    QCOMPARE(inner->currentIndex(), 1);
    QTRY_VERIFY(box->hasFocus());
}

QTEST_MAIN(TestEditTracker)
#include "tst_edittracker.moc"
