// Nothing typed on the member screen is lost without a question: every way
// out, with each answer, and what leaves the screen clean; where a missing
// required field is; "View only"; Ctrl+S; the status line; how the screen's
// boxes look.

#include "Screens.h"

#include "widgets/FormHelpers.h"
#include "app/Permissions.h"
#include "members/Screens.h"
#include "members/frmMemberEntry.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

using namespace pw;
using members::frmMemberEntry;

namespace {

const QString kCaption = QStringLiteral("Member Entry/Edit");

// The member screen in the real main window, with a logged-in "Admin"; the
// clerk heads a household with a son, and Otto is somebody else.
struct Desk : test::MainWindowFixture {
    // A second connection, to read what is stored whatever the screen's does.
    std::unique_ptr<Database> reader;
    qint64 clerk = 0;
    qint64 son = 0;
    qint64 other = 0;
    QPointer<frmMemberEntry> form;

    Desk()
    {
        members::registerScreens(*main.workspace());
        clerk = env.addMember(QStringLiteral("Clara"), QStringLiteral("Clerk"));
        son = env.addMember(QStringLiteral("Sam"), QStringLiteral("Clerk"));
        other = env.addMember(QStringLiteral("Otto"), QStringLiteral("Other"));
        env.db().exec(QStringLiteral("UPDATE Member SET Head_Of_Household = 1 WHERE ID = ?"), { clerk });
        env.db().exec(QStringLiteral("INSERT INTO Family_Connection VALUES (?, 'Son', ?)"), { clerk, son });
        env.loginAs(clerk, QStringLiteral("Admin"), QStringLiteral("clerk"));
        main.unlock();
        main.resize(1280, 800);
        main.show();
        form = qobject_cast<frmMemberEntry*>(main.workspace()->open(QStringLiteral("frmMemberEntry")));
        reader = Database::open(env.db().path(), Database::OpenMode::ExistingOnly);
    }

    template <class T> T* control(const char* name) { return test::control<T>(form, name); }
    QString stored(qint64 id, const QString& column)
    {
        return reader->scalar(QStringLiteral("SELECT %1 FROM Member WHERE ID = ?").arg(column), { id }).toString();
    }
    bool open() const { return main.workspace()->find<frmMemberEntry>() != nullptr; }
    void settle()
    {
        QCoreApplication::processEvents();
        test::deleteClosed();
    }
    void fillRequired()
    {
        for (const auto& [name, text] : { std::pair { "cmbMemberStatus", "Member" }, { "cmbGender", "Female" },
                 { "cmbChurchStatus", "Active" }, { "cmbProspectStatus", "Inactive" } })
            control<QComboBox>(name)->setCurrentIndex(control<QComboBox>(name)->findText(QString::fromLatin1(text)));
        control<QLineEdit>("txtFName")->setText(QStringLiteral("Ruth"));
        control<QLineEdit>("txtLName")->setText(QStringLiteral("Baker"));
    }
    QString picture()
    {
        const QString path = env.dir.filePath(QStringLiteral("face.png"));
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        image.save(path);
        return path;
    }
};

} // namespace

class TestMemberLeave : public QObject {
    Q_OBJECT
private slots:
    void waysOut_data();
    void waysOut();
    void stepsLeaveTheScreenClean_data();
    void stepsLeaveTheScreenClean();
    void requiredFieldIsShown_data();
    void requiredFieldIsShown();
    void viewOnlyInTheTitle_data();
    void viewOnlyInTheTitle();
    void ctrlSKeepsThePersonOnScreen();
    void statusLine_data();
    void statusLine();
    void datesDrawnOnlyWhenTicked_data();
    void datesDrawnOnlyWhenTicked();
    void boxesAndListsLookAsTheyWork();
};

void TestMemberLeave::waysOut_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("change"); // "none", "city", "picture", "blank name" (fails its checks)
    QTest::addColumn<QString>("answer"); // to "Save changes to ...?"
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("goesOn"); // the way out was taken
    QTest::addColumn<bool>("saved");

    const QStringList ways
        = { "pick another", "New", "Exit", "close box", "Log Off", "File > Exit", "family double-click", "LoadMember" };
    for (const QString& way : ways) {
        const QByteArray w = way.toUtf8();
        QTest::addRow("%s, nothing changed", w.data()) << way << "none"
                                                       << "" << false << true << false;
        QTest::addRow("%s, Save", w.data()) << way << "city"
                                            << "Save" << true << true << true;
        QTest::addRow("%s, Discard", w.data()) << way << "city"
                                               << "Discard" << true << true << false;
        QTest::addRow("%s, Cancel", w.data()) << way << "city"
                                              << "Cancel" << true << false << false;
    }
    // A picture loaded and not saved is a change too.
    QTest::newRow("Exit, picture, Save") << "Exit"
                                         << "picture"
                                         << "Save" << true << true << true;
    QTest::newRow("pick another, picture, Discard") << "pick another"
                                                    << "picture"
                                                    << "Discard" << true << true << false;
    // A save that fails its checks keeps the screen as it is.
    for (const QString& way : { QStringLiteral("pick another"), QStringLiteral("Exit"), QStringLiteral("Log Off") })
        QTest::addRow("%s, Save fails its checks", way.toUtf8().data()) << way << "blank name"
                                                                        << "Save" << true << false << false;
}

void TestMemberLeave::waysOut()
{
    QFETCH(QString, way);
    QFETCH(QString, change);
    QFETCH(QString, answer);
    QFETCH(bool, asked);
    QFETCH(bool, goesOn);
    QFETCH(bool, saved);
    Desk d;
    QVERIFY(d.form);
    QVERIFY(d.form->LoadMember(d.clerk));
    if (change == QLatin1String("city")) {
        d.control<QLineEdit>("txtCity")->setText(QStringLiteral("Memphis"));
    } else if (change == QLatin1String("picture")) {
        d.env.files.answers = { d.picture() };
        d.control<QPushButton>("btnLoadPic")->click();
    } else if (change == QLatin1String("blank name")) {
        d.control<QLineEdit>("txtCity")->setText(QStringLiteral("Memphis"));
        d.control<QLineEdit>("txtFName")->clear();
    }
    QCOMPARE(d.form->windowTitle(), change == QLatin1String("none") ? kCaption : kCaption + QLatin1Char('*'));
    d.env.messages.choices = { answer };

    bool taken = false;
    if (way == QLatin1String("pick another")) {
        QVERIFY(selectById(d.control<QComboBox>("cmbMember"), d.other));
        taken = d.control<QLineEdit>("txtMemberID")->text().toLongLong() == d.other;
        // Staying puts the list back on the person shown.
        QCOMPARE(selectedId(d.control<QComboBox>("cmbMember")), taken ? d.other : d.clerk);
    } else if (way == QLatin1String("New")) {
        d.control<QPushButton>("btnNew")->click();
        taken = d.control<QLineEdit>("txtMemberID")->text().isEmpty();
    } else if (way == QLatin1String("Exit")) {
        d.control<QPushButton>("btnExit")->click();
        d.settle();
        taken = !d.open();
    } else if (way == QLatin1String("close box")) {
        qobject_cast<QMdiSubWindow*>(d.form->parentWidget())->close();
        d.settle();
        taken = !d.open();
    } else if (way == QLatin1String("Log Off")) {
        d.main.command(QStringLiteral("LogOff"))->trigger();
        d.settle();
        taken = !d.main.command(QStringLiteral("MemberEntry"))->isEnabled();
        // Every window goes with the user who logs off.
        if (taken)
            QVERIFY(!d.open());
    } else if (way == QLatin1String("File > Exit")) {
        d.main.command(QStringLiteral("Exit"))->trigger();
        taken = !d.env.db().connection().isOpen();
    } else if (way == QLatin1String("family double-click")) {
        auto* grid = d.control<QTableView>("vsfgFamilyMembers");
        QCOMPARE(grid->model()->rowCount(), 1);
        emit grid->doubleClicked(grid->model()->index(0, 1));
        taken = d.control<QLineEdit>("txtMemberID")->text().toLongLong() == d.son;
    } else if (way == QLatin1String("LoadMember")) {
        taken = d.form->LoadMember(d.other);
        QCOMPARE(taken, d.control<QLineEdit>("txtMemberID")->text().toLongLong() == d.other);
    }

    QCOMPARE(taken, goesOn);
    const QList<test::FakeMessages::Entry> questions = [&] {
        QList<test::FakeMessages::Entry> out;
        for (const auto& e : d.env.messages.entries)
            if (e.text.startsWith(QLatin1String("Save changes to ")))
                out << e;
        return out;
    }();
    QCOMPARE(questions.size(), asked ? 1 : 0);
    if (asked) {
        const QString name
            = change == QLatin1String("blank name") ? QStringLiteral("Clerk") : QStringLiteral("Clerk, Clara");
        QCOMPARE(questions.first().text, QStringLiteral("Save changes to %1?").arg(name));
        QCOMPARE(questions.first().buttons, (QStringList { "Save", "Discard", "Cancel" }));
    }
    if (change == QLatin1String("blank name")) {
        QCOMPARE(d.env.messages.last().text, QStringLiteral("All fields in blue are required."));
        QVERIFY(d.open());
        QCOMPARE(d.control<QLineEdit>("txtCity")->text(), QStringLiteral("Memphis"));
    }
    if (change == QLatin1String("picture")) {
        QCOMPARE(QFile::exists(d.env.dir.filePath(QString::number(d.clerk) + QStringLiteral(".png"))), saved);
        QCOMPARE(d.stored(d.clerk, QStringLiteral("Picture")).isEmpty(), !saved);
    } else {
        QCOMPARE(d.stored(d.clerk, QStringLiteral("City")), saved ? QStringLiteral("Memphis") : QString());
    }
    if (!goesOn && change != QLatin1String("none")) {
        // Cancel leaves everything as it was, the change still marked.
        QVERIFY(d.open());
        QCOMPARE(d.control<QLineEdit>("txtMemberID")->text().toLongLong(), d.clerk);
        QCOMPARE(d.form->windowTitle(), kCaption + QLatin1Char('*'));
    }
}

void TestMemberLeave::stepsLeaveTheScreenClean_data()
{
    QTest::addColumn<QString>("step");
    QTest::newRow("opened") << "open";
    QTest::newRow("a person loaded") << "load";
    QTest::newRow("a person with a stored newsletter flag and no address") << "load refused flag";
    QTest::newRow("New after loading") << "new";
    QTest::newRow("Save and New") << "save and new";
    QTest::newRow("Ctrl+S on a changed person") << "ctrl+s";
    QTest::newRow("Ctrl+S on a new person") << "ctrl+s new";
    QTest::newRow("a picture saved") << "picture saved";
    QTest::newRow("lists reloaded") << "reload";
}

void TestMemberLeave::stepsLeaveTheScreenClean()
{
    QFETCH(QString, step);
    Desk d;
    if (step == QLatin1String("load")) {
        d.form->LoadMember(d.clerk);
    } else if (step == QLatin1String("load refused flag")) {
        d.env.db().exec(QStringLiteral("UPDATE Member SET Receive_Newsletter_Via_EMail = 1 WHERE ID = ?"), { d.clerk });
        d.form->LoadMember(d.clerk);
    } else if (step == QLatin1String("new")) {
        d.form->LoadMember(d.clerk);
        d.control<QPushButton>("btnNew")->click();
    } else if (step == QLatin1String("save and new")) {
        d.fillRequired();
        d.control<QPushButton>("btnSaveNew")->click();
    } else if (step == QLatin1String("ctrl+s")) {
        d.form->LoadMember(d.clerk);
        d.control<QLineEdit>("txtZip")->setText(QStringLiteral("37010"));
        d.form->saveKeepingRecord();
    } else if (step == QLatin1String("ctrl+s new")) {
        d.fillRequired();
        d.form->saveKeepingRecord();
    } else if (step == QLatin1String("picture saved")) {
        d.form->LoadMember(d.clerk);
        d.env.files.answers = { d.picture() };
        d.control<QPushButton>("btnLoadPic")->click();
        QVERIFY(d.form->editTracker()->isDirty());
        d.form->saveKeepingRecord();
    } else if (step == QLatin1String("reload")) {
        d.form->LoadMember(d.clerk);
        emit d.main.workspace()->lookupsChanged();
    }
    QVERIFY(!d.form->editTracker()->isDirty());
    QCOMPARE(d.form->windowTitle(), kCaption);
    // A clean screen asks nothing on its way out.
    d.control<QPushButton>("btnExit")->click();
    d.settle();
    QVERIFY(!d.open());
    for (const auto& e : d.env.messages.entries)
        QVERIFY2(!e.text.startsWith(QLatin1String("Save changes")), qPrintable(e.text));
}

void TestMemberLeave::requiredFieldIsShown_data()
{
    QTest::addColumn<QStringList>("emptied");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("focus");
    QTest::newRow("status") << QStringList { "cmbMemberStatus" } << 0 << "cmbMemberStatus";
    QTest::newRow("first name") << QStringList { "txtFName" } << 0 << "txtFName";
    QTest::newRow("last name") << QStringList { "txtLName" } << 0 << "txtLName";
    QTest::newRow("gender") << QStringList { "cmbGender" } << 1 << "cmbGender";
    QTest::newRow("church status") << QStringList { "cmbChurchStatus" } << 3 << "cmbChurchStatus";
    QTest::newRow("prospect status") << QStringList { "cmbProspectStatus" } << 4 << "cmbProspectStatus";
    QTest::newRow("two empty: the first in tab order")
        << QStringList { "cmbProspectStatus", "cmbGender" } << 1 << "cmbGender";
}

void TestMemberLeave::requiredFieldIsShown()
{
    QFETCH(QStringList, emptied);
    QFETCH(int, tab);
    QFETCH(QString, focus);
    Desk d;
    d.fillRequired();
    for (const QString& name : emptied) {
        if (auto* list = d.form->findChild<QComboBox*>(name))
            list->setCurrentIndex(-1);
        else
            d.control<QLineEdit>(name.toLatin1().constData())->clear();
    }
    auto* tabs = d.control<QTabWidget>("SSTab1");
    tabs->setCurrentIndex(5); // the user is looking at Attendance Info
    d.control<QPushButton>("btnSaveClose")->click();
    QCOMPARE(d.env.messages.count(), 1);
    QCOMPARE(d.env.messages.last().text, QStringLiteral("All fields in blue are required."));
    QCOMPARE(d.env.messages.last().title, QStringLiteral("Required Fields"));
    QCOMPARE(tabs->currentIndex(), tab);
    QVERIFY(d.form->window()->focusWidget());
    QCOMPARE(d.form->window()->focusWidget()->objectName(), focus);
    QVERIFY(d.open());
}

void TestMemberLeave::viewOnlyInTheTitle_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("grant");
    QTest::addColumn<QString>("title");
    QTest::newRow("Admin") << "Admin"
                           << "" << kCaption;
    QTest::newRow("Member Entry/Edit") << "User" << perm::MemberEntry << kCaption;
    QTest::newRow("Member View only") << "User" << perm::MemberView << kCaption + QStringLiteral(" (View only)");
}

void TestMemberLeave::viewOnlyInTheTitle()
{
    QFETCH(QString, type);
    QFETCH(QString, grant);
    QFETCH(QString, title);
    Desk d;
    closeScreen(d.form);
    d.settle();
    d.env.loginAs(d.other, type, QStringLiteral("someone"));
    if (!grant.isEmpty())
        d.env.grant(d.other, grant);
    d.form = qobject_cast<frmMemberEntry*>(d.main.workspace()->open(QStringLiteral("frmMemberEntry")));
    QVERIFY(d.form);
    QCOMPARE(d.form->windowTitle(), title);
    QCOMPARE(d.form->parentWidget()->windowTitle(), title);

    // Rights are asked again at save time: granted meanwhile, the save goes
    // through and "View only" goes.
    if (type == QLatin1String("User") && grant == perm::MemberView) {
        d.form->LoadMember(d.clerk);
        d.control<QLineEdit>("txtCity")->setText(QStringLiteral("Memphis"));
        d.env.grant(d.other, perm::MemberEntry);
        d.form->saveKeepingRecord();
        QCOMPARE(d.stored(d.clerk, QStringLiteral("City")), QStringLiteral("Memphis"));
        QCOMPARE(d.form->windowTitle(), kCaption);
    }
}

void TestMemberLeave::ctrlSKeepsThePersonOnScreen()
{
    Desk d;
    d.fillRequired();
    d.control<QTabWidget>("SSTab1")->setCurrentIndex(3);
    d.form->saveKeepingRecord();
    const qint64 id = d.control<QLineEdit>("txtMemberID")->text().toLongLong();
    QVERIFY(id > d.other);
    QCOMPARE(d.stored(id, QStringLiteral("First_Name")), QStringLiteral("Ruth"));
    // The new person is chosen in the person list; the tab stays.
    QCOMPARE(selectedId(d.control<QComboBox>("cmbMember")), id);
    QCOMPARE(d.control<QTabWidget>("SSTab1")->currentIndex(), 3);
    QCOMPARE(d.control<QLineEdit>("txtAdded")->text().endsWith(QLatin1String(" - clerk")), true);
    // A second Ctrl+S changes the same row, not a new one.
    d.control<QLineEdit>("txtCity")->setText(QStringLiteral("Ada"));
    d.form->saveKeepingRecord();
    QCOMPARE(d.control<QLineEdit>("txtMemberID")->text().toLongLong(), id);
    QCOMPARE(d.stored(id, QStringLiteral("City")), QStringLiteral("Ada"));
    QCOMPARE(d.reader->scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(), 4);
    QCOMPARE(d.env.messages.count(), 0);
}

void TestMemberLeave::statusLine_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("status");
    QTest::newRow("save") << "save"
                          << "Saved Clerk, Clara.";
    QTest::newRow("save and new of a new person") << "save new"
                                                  << "Saved Baker, Ruth.";
    QTest::newRow("family member added") << "add relative"
                                         << "Saved family member Other, Otto (Nephew).";
    QTest::newRow("family member removed") << "remove relative"
                                           << "Removed family member Clerk, Sam.";
    QTest::newRow("responsibility added") << "add responsibility"
                                          << "Saved responsibility Deacon (3/15/2026 - 3/15/2026).";
    QTest::newRow("responsibility removed") << "remove responsibility"
                                            << "Removed responsibility Usher (1/1/2020 - 12/31/2020).";
    QTest::newRow("a refused save says nothing") << "refused"
                                                 << "";
}

void TestMemberLeave::statusLine()
{
    QFETCH(QString, action);
    QFETCH(QString, status);
    Desk d;
    d.env.db().exec(QStringLiteral("INSERT INTO Responsibilities (Name, Description) VALUES ('Usher', 'Greets')"));
    d.env.db().exec(QStringLiteral("INSERT INTO Member_Responsibility VALUES (?, 'Usher', '2020-01-01', '2020-12-31')"),
        { d.clerk });
    emit d.main.workspace()->lookupsChanged();
    d.form->LoadMember(d.clerk);
    d.main.statusBar()->clearMessage();
    auto choose = [&](const char* list, const QString& text) {
        auto* combo = d.control<QComboBox>(list);
        combo->setCurrentIndex(combo->findText(text, Qt::MatchStartsWith));
        QVERIFY2(combo->currentIndex() >= 0, qPrintable(text));
    };
    if (action == QLatin1String("save")) {
        d.control<QPushButton>("btnSaveClose")->click();
    } else if (action == QLatin1String("save new")) {
        d.control<QPushButton>("btnNew")->click();
        d.fillRequired();
        d.control<QPushButton>("btnSaveNew")->click();
    } else if (action == QLatin1String("add relative")) {
        choose("cmbMemberAdd", QStringLiteral("Other, Otto"));
        choose("cmbRelationship", QStringLiteral("Nephew"));
        d.control<QPushButton>("btnAddFamMember")->click();
    } else if (action == QLatin1String("remove relative")) {
        d.control<QTableView>("vsfgFamilyMembers")->selectRow(0);
        d.control<QPushButton>("btnRemoveFamMember")->click();
    } else if (action == QLatin1String("add responsibility")) {
        choose("cmbResp", QStringLiteral("Deacon"));
        d.control<QPushButton>("btnAddResp")->click();
    } else if (action == QLatin1String("remove responsibility")) {
        d.control<QTableView>("vsfgChurchResponsibilites")->selectRow(0);
        d.control<QPushButton>("btnRemoveResp")->click();
    } else if (action == QLatin1String("refused")) {
        d.control<QLineEdit>("txtLName")->clear();
        d.control<QPushButton>("btnSaveClose")->click();
    }
    QCOMPARE(d.main.statusBar()->currentMessage(), status);
}

void TestMemberLeave::datesDrawnOnlyWhenTicked_data()
{
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("picker");
    for (const auto& [check, picker] : { std::pair { "chkDOB", "dtDOB" }, { "chkAnnivDate", "dtAnnivDate" },
             { "chkMemberSince", "dtMemberSince" }, { "chkCameForward", "dtCameForward" },
             { "chkBaptized", "dtBaptized" }, { "chkLetterOut", "dtLetterOut" }, { "chkDeceased", "dtDeceased" } })
        QTest::newRow(check) << check << picker;
}

void TestMemberLeave::datesDrawnOnlyWhenTicked()
{
    QFETCH(QString, check);
    QFETCH(QString, picker);
    Desk d;
    d.fillRequired(); // "Active": the church dates can be ticked
    auto* box = d.control<QCheckBox>(check.toLatin1().constData());
    auto* date = d.control<QDateEdit>(picker.toLatin1().constData());
    const auto drawn = [date] { return date->palette().color(QPalette::Active, QPalette::Text).alpha() > 0; };
    QVERIFY(!box->isChecked());
    QVERIFY(!drawn());
    QCOMPARE(box->toolTip(), QStringLiteral("Set this date"));
    box->setChecked(true);
    QVERIFY(drawn());
    QCOMPARE(date->date(), QDate(2026, 3, 15)); // today, as before
    box->setChecked(false);
    QVERIFY(!drawn());
}

void TestMemberLeave::boxesAndListsLookAsTheyWork()
{
    Desk d;
    // The ID box is read-only and looks it: no field white.
    auto* id = d.control<QLineEdit>("txtMemberID");
    QVERIFY(id->isReadOnly());
    QCOMPARE(
        id->palette().color(QPalette::Active, QPalette::Base), id->palette().color(QPalette::Active, QPalette::Window));
    QVERIFY(d.control<QLineEdit>("txtFName")->palette().color(QPalette::Active, QPalette::Base)
        != d.control<QLineEdit>("txtFName")->palette().color(QPalette::Active, QPalette::Window));

    // The picture dialog opens where the user keeps pictures.
    d.control<QPushButton>("btnLoadPic")->click();
    QCOMPARE(d.env.files.asked.size(), 1);
    const QString folder = d.env.files.asked.first().path;
    QCOMPARE(folder, picturesFolder());
    QVERIFY(QFileInfo(folder).isDir());
    QVERIFY(folder != QDir::currentPath());

    // A long person list opens 20 rows high, at the person chosen.
    qint64 last = 0;
    for (int i = 0; i < 60; ++i)
        last = d.env.addMember(QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("Person"));
    emit d.main.workspace()->membersChanged();
    QVERIFY(d.form->LoadMember(last));
    auto* people = d.control<QComboBox>("cmbMember");
    QCOMPARE(people->count(), 63);
    QCOMPARE(people->currentIndex(), 62);
    people->showPopup();
    QCoreApplication::processEvents();
    QAbstractItemView* view = people->view();
    const int rowHeight = view->sizeHintForRow(0);
    QVERIFY(rowHeight > 0);
    QVERIFY2(view->viewport()->height() <= 20 * rowHeight + 1, qPrintable(QString::number(view->viewport()->height())));
    QVERIFY(view->viewport()->rect().contains(view->visualRect(view->currentIndex())));
    QCOMPARE(view->currentIndex().row(), people->currentIndex());
    people->hidePopup();
}

QTEST_MAIN(TestMemberLeave)
#include "tst_memberleave.moc"
