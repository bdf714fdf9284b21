// The main window as a desktop program: access keys in every menu, the
// Window menu, and the keys Ctrl+S, Ctrl+W and F1 acting on the window in
// front.

#include "Screens.h"

#include "widgets/EditTracker.h"
#include "app/HelpWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QtTest>

using namespace pw;

namespace {

// A screen with one box, as an editing screen of the program is.
class Editor : public QWidget, public EditingScreen {
public:
    explicit Editor(const QString& name)
        : tracker(new EditTracker(this, name))
    {
        setObjectName(name);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(box);
        box->setObjectName(QStringLiteral("txtName"));
        tracker->watch(this);
        tracker->setRecordName([this] { return box->text(); });
        tracker->setSave([this] {
            ++saves;
            tracker->markClean();
            return true;
        });
        setFocusProxy(box);
    }
    EditTracker* editTracker() override { return tracker; }
    void saveKeepingRecord() override { ++keptSaves; }

    EditTracker* tracker;
    QLineEdit* box = new QLineEdit(this);
    int saves = 0;
    int keptSaves = 0;
};

// A window that edits nothing (a launcher, the Report Viewer).
QWidget* plainWindow(const QString& name)
{
    auto* w = new QWidget;
    w->setObjectName(name);
    w->setWindowTitle(name);
    auto* box = new QLineEdit(w);
    w->setFocusProxy(box);
    return w;
}

struct Main : test::MainWindowFixture {
    Main()
    {
        main.resize(1000, 700);
        main.show();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
    }
    ~Main() { main.area()->closeAllSubWindows(); }

    Editor* editor(const QString& name)
    {
        auto* e = new Editor(name);
        main.workspace()->add(e);
        activate(e);
        return e;
    }
    QWidget* plain(const QString& name)
    {
        QWidget* w = plainWindow(name);
        main.workspace()->add(w);
        activate(w);
        return w;
    }
    void activate(QWidget* screen)
    {
        main.area()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(screen->parentWidget()));
        screen->setFocus();
        QCoreApplication::processEvents();
    }
    // A key pressed where the focus is, as the user presses it.
    void press(const QKeySequence& key)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &main;
        QTest::keySequence(target, key);
        QCoreApplication::processEvents();
    }
    int openWindows() const
    {
        int count = 0;
        for (QMdiSubWindow* sub : main.area()->subWindowList())
            count += sub->isVisible() ? 1 : 0;
        return count;
    }
};

// The access key of a menu entry: the character after a single "&".
QChar accessKey(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) == QLatin1Char('&')) {
            ++i; // "&&" is an ampersand shown as it is
            continue;
        }
        return text.at(i + 1).toUpper();
    }
    return QChar();
}

} // namespace

class TestWindowKeys : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("frmHelp"))
                w->close();
    }

    void accessKeysUniquePerMenu_data();
    void accessKeysUniquePerMenu();
    void windowMenuListsTheOpenWindows();
    void tileAndCascade();
    void ctrlWClosesTheWindowInFront_data();
    void ctrlWClosesTheWindowInFront();
    void ctrlSSavesTheEditingScreenInFront_data();
    void ctrlSSavesTheEditingScreenInFront();
    void f1OpensTheSectionOfTheWindowInFront_data();
    void f1OpensTheSectionOfTheWindowInFront();
    void statusBarShowsTheLastAction();
    void destroyingTheMainWindowRunsNoHandlers();
};

void TestWindowKeys::accessKeysUniquePerMenu_data()
{
    QTest::addColumn<QString>("menu"); // empty: the menu bar
    QTest::newRow("menu bar") << "";
    for (const char* name : { "File", "MemberS", "Prospects", "Administrative", "ClassEntry", "Security", "Reports",
             "MemberReports", "ProspectReports", "Window", "Help" })
        QTest::newRow(name) << name;
}

void TestWindowKeys::accessKeysUniquePerMenu()
{
    QFETCH(QString, menu);
    Main m;
    // Windows open, so that the Window menu lists them too.
    m.editor(QStringLiteral("frmFirst"));
    m.plain(QStringLiteral("R&D Notes"));
    QList<QAction*> actions;
    if (menu.isEmpty()) {
        actions = m.main.menuBar()->actions();
    } else {
        QMenu* shown = m.main.menu(menu);
        QVERIFY(shown);
        emit shown->aboutToShow();
        actions = shown->actions();
    }
    QHash<QChar, QString> taken;
    int entries = 0;
    for (QAction* a : std::as_const(actions)) {
        if (a->isSeparator())
            continue;
        ++entries;
        const QChar key = accessKey(a->text());
        QVERIFY2(!key.isNull(), qPrintable(a->text() + " has no access key"));
        QVERIFY2(!taken.contains(key), qPrintable(a->text() + " shares its key with " + taken.value(key)));
        taken.insert(key, a->text());
    }
    QVERIFY(entries >= 1);
}

void TestWindowKeys::windowMenuListsTheOpenWindows()
{
    Main m;
    Editor* first = m.editor(QStringLiteral("Member Entry/Edit"));
    first->box->setText(QStringLiteral("typed"));
    m.plain(QStringLiteral("Report Viewer"));
    QWidget* third = m.plain(QStringLiteral("Pewlark Help"));
    QMenu* menu = m.main.menu(QStringLiteral("Window"));
    emit menu->aboutToShow();
    QStringList entries;
    QString checked;
    for (QAction* a : menu->actions()) {
        if (a->objectName().startsWith(QLatin1String("OpenWindow"))) {
            entries << a->text();
            if (a->isChecked())
                checked = a->text();
        }
    }
    QCOMPARE(entries, (QStringList { "&1 Member Entry/Edit*", "&2 Report Viewer", "&3 Pewlark Help" }));
    QCOMPARE(checked, QStringLiteral("&3 Pewlark Help"));

    // Choosing an entry brings that window to the front; opening the menu
    // again lists the windows afresh.
    menu->findChild<QAction*>(QStringLiteral("OpenWindow1"))->trigger();
    QCOMPARE(m.main.area()->activeSubWindow()->widget(), first);
    third->parentWidget()->close();
    emit menu->aboutToShow();
    int listed = 0;
    for (QAction* a : menu->actions())
        listed += a->objectName().startsWith(QLatin1String("OpenWindow")) ? 1 : 0;
    QCOMPARE(listed, 2);
    QVERIFY(menu->findChild<QAction*>(QStringLiteral("OpenWindow1"))->isChecked());
}

void TestWindowKeys::tileAndCascade()
{
    Main m;
    QList<QWidget*> screens;
    for (const char* name : { "One", "Two", "Three" })
        screens << m.plain(QString::fromLatin1(name));
    m.main.command(QStringLiteral("Tile"))->trigger();
    QList<QRect> frames;
    for (QWidget* s : screens)
        frames << s->parentWidget()->geometry();
    for (int i = 0; i < frames.size(); ++i)
        for (int j = i + 1; j < frames.size(); ++j)
            QVERIFY2(!frames[i].intersects(frames[j]), "tiled windows do not overlap");

    m.main.command(QStringLiteral("Cascade"))->trigger();
    QList<QPoint> corners;
    for (QMdiSubWindow* sub : m.main.area()->subWindowList(QMdiArea::StackingOrder))
        corners << sub->pos();
    QCOMPARE(corners.size(), 3);
    for (int i = 1; i < corners.size(); ++i)
        QVERIFY(corners[i].x() > corners[i - 1].x() && corners[i].y() > corners[i - 1].y());
}

void TestWindowKeys::ctrlWClosesTheWindowInFront_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("saves");
    QTest::newRow("nothing changed: closed, nothing asked") << false << "" << true << 0;
    QTest::newRow("changed, Save") << true << "Save" << true << 1;
    QTest::newRow("changed, Discard") << true << "Discard" << true << 0;
    QTest::newRow("changed, Cancel") << true << "Cancel" << false << 0;
}

void TestWindowKeys::ctrlWClosesTheWindowInFront()
{
    QFETCH(bool, changed);
    QFETCH(QString, answer);
    QFETCH(bool, closed);
    QFETCH(int, saves);
    Main m;
    QWidget* behind = m.plain(QStringLiteral("frmBehind"));
    QPointer<Editor> e = m.editor(QStringLiteral("frmInFront"));
    if (changed)
        e->box->setText(QStringLiteral("Hale, Helen"));
    m.env.messages.choices = { answer };
    m.press(QKeySequence(Qt::CTRL | Qt::Key_W));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m.env.messages.count(), changed ? 1 : 0);
    if (changed)
        QCOMPARE(m.env.messages.last().text, QStringLiteral("Save changes to Hale, Helen?"));
    QCOMPARE(e.isNull() || !e->isVisible(), closed);
    if (!closed)
        QCOMPARE(e->saves, saves);
    QVERIFY(behind->isVisible()); // only the window in front
    QCOMPARE(m.openWindows(), closed ? 1 : 2);
}

void TestWindowKeys::ctrlSSavesTheEditingScreenInFront_data()
{
    QTest::addColumn<QString>("front"); // "editor", "viewer" (edits nothing), "locked"
    QTest::addColumn<int>("saves");
    QTest::newRow("editing screen in front") << "editor" << 1;
    QTest::newRow("a window that edits nothing in front") << "viewer" << 0;
    QTest::newRow("nobody logged in") << "locked" << 0;
}

void TestWindowKeys::ctrlSSavesTheEditingScreenInFront()
{
    QFETCH(QString, front);
    QFETCH(int, saves);
    Main m;
    Editor* e = m.editor(QStringLiteral("frmEditor"));
    e->box->setText(QStringLiteral("changed"));
    if (front == QLatin1String("viewer"))
        m.plain(QStringLiteral("Viewer"));
    if (front == QLatin1String("locked"))
        m.main.lock();
    m.press(QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(e->keptSaves, saves);
    QCOMPARE(m.env.messages.count(), 0);
    // The window stays open, its record on it.
    QVERIFY(e->isVisible());
}

void TestWindowKeys::f1OpensTheSectionOfTheWindowInFront_data()
{
    QTest::addColumn<QString>("window"); // empty: none open
    QTest::addColumn<bool>("locked");
    QTest::addColumn<QString>("section");
    QTest::newRow("no window: the contents") << "" << false << "contents";
    QTest::newRow("member screen") << "frmMemberEntry" << false << "people";
    QTest::newRow("report viewer") << "Viewer" << false << "printing";
    QTest::newRow("update report") << "frmMemberInformationUpdateReport" << false << "printing";
    QTest::newRow("login window, before anyone logged in") << "frmLogin" << true << "getting-started";
}

void TestWindowKeys::f1OpensTheSectionOfTheWindowInFront()
{
    QFETCH(QString, window);
    QFETCH(bool, locked);
    QFETCH(QString, section);
    Main m;
    if (locked)
        m.main.lock();
    if (!window.isEmpty())
        m.plain(window);
    m.press(QKeySequence(Qt::Key_F1));
    auto* help = m.main.workspace()->find<HelpWindow>();
    QVERIFY(help);
    QCOMPARE(help->currentSection(), section);
    QCOMPARE(m.main.area()->activeSubWindow()->widget(), help);
}

void TestWindowKeys::statusBarShowsTheLastAction()
{
    Main m;
    showStatus(QStringLiteral("Saved Hale, Helen."));
    QCOMPARE(m.main.statusBar()->currentMessage(), QStringLiteral("Saved Hale, Helen."));
    showStatus(QStringLiteral("Printed Member List."));
    QCOMPARE(m.main.statusBar()->currentMessage(), QStringLiteral("Printed Member List."));
}

// No handler of the main window (Ctrl+S here) runs as its windows close while it is destroyed.
void TestWindowKeys::destroyingTheMainWindowRunsNoHandlers()
{
    test::TestEnv env;
    auto* main = new MDI;
    main->show();
    main->workspace()->add(new Editor(QStringLiteral("frmEditor")));
    QAction* save = main->findChild<QAction*>(QStringLiteral("SaveScreen"));
    QVERIFY(save->isEnabled());
    int changes = 0;
    connect(save, &QAction::enabledChanged, this, [&changes] { ++changes; });
    delete main;
    QCOMPARE(changes, 0);
}

QTEST_MAIN(TestWindowKeys)
#include "tst_windowkeys.moc"
