#include "Screens.h"

#include "widgets/FormHelpers.h"
#include "app/Permissions.h"
#include "data/Members.h"
#include "data/Sql.h"
#include "members/FamilyPanel.h"
#include "members/MemberPicture.h"
#include "members/ResponsibilityPanel.h"
#include "members/frmMemberEntry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTableView>
#include <QWidget>
#include <QtTest>

using namespace pw;
using members::frmMemberEntry;
using test::TestEnv;

namespace {

const QDateTime kNow(QDate(2026, 3, 15), QTime(10, 30, 0));

// The real screen inside a real workspace, with a logged-in "Admin" clerk.
struct Screen : test::WorkspaceFixture {
    qint64 clerk = 0;
    QPointer<frmMemberEntry> form;

    explicit Screen(bool open = true)
    {
        clerk = env.addMember(QStringLiteral("Clara"), QStringLiteral("Clerk"));
        env.loginAs(clerk, QStringLiteral("Admin"), QStringLiteral("clerk"));
        area.resize(1200, 760);
        if (open)
            openScreen();
    }
    void openScreen()
    {
        form = ws.open<frmMemberEntry>();
        area.show();
    }
    // A control of the screen (its frames included) by object name.
    template <class T> T* control(const QString& name) { return test::control<T>(form, name); }

    static bool choose(QComboBox* combo, const QString& text) { return test::chooseText(combo, text); }
    void fillRequired(const QString& first = QStringLiteral("Ruth"), const QString& last = QStringLiteral("Baker"))
    {
        QVERIFY(choose(control<QComboBox>("cmbMemberStatus"), QStringLiteral("Member")));
        control<QLineEdit>("txtFName")->setText(first);
        control<QLineEdit>("txtLName")->setText(last);
        QVERIFY(choose(control<QComboBox>("cmbGender"), QStringLiteral("Female")));
        QVERIFY(choose(control<QComboBox>("cmbChurchStatus"), QStringLiteral("Active")));
        QVERIFY(choose(control<QComboBox>("cmbProspectStatus"), QStringLiteral("Inactive")));
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QVariantMap row(qint64 id)
    {
        // Every column by its name as the table defines it (a server gives
        // the names back in small letters).
        QSqlQuery q = env.db().exec(
            QStringLiteral("SELECT ") + Members::selectList() + QStringLiteral(" FROM Member WHERE ID = ?"), { id });
        QVariantMap out;
        if (q.next()) {
            out.insert(QStringLiteral("ID"), q.value(0));
            int i = 1;
            for (const Members::Column& c : Members::columns())
                out.insert(c.columnName(), q.value(i++));
        }
        return out;
    }
    qint64 lastId() { return env.db().scalar(QStringLiteral("SELECT MAX(ID) FROM Member")).toLongLong(); }
    int people() { return env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(); }
    qint64 addClass(const QString& name)
    {
        return env.db().insert(
            QStringLiteral("INSERT INTO Sunday_School (Name) VALUES (?)") + sql::returningId(), { name });
    }
};

QImage picture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 160));
    return image;
}

} // namespace

class TestMemberEntry : public QObject {
    Q_OBJECT
private slots:
    void opensEmptyOnContactTab();
    void newPersonWithRequiredFieldsOnly();
    void everyFieldRoundTrips();
    void resaveKeepsAddedAndSetsEdited();
    void dateBoxDecidesNull_data();
    void dateBoxDecidesNull();
    void prospectNextStepNeedsBothLists_data();
    void prospectNextStepNeedsBothLists();
    void valuesTheScreenCannotShowAreKept_data();
    void valuesTheScreenCannotShowAreKept();
    void churchStatusEnablesWithoutClearing_data();
    void churchStatusEnablesWithoutClearing();
    void requiredFieldMissing_data();
    void requiredFieldMissing();
    void viewerMayBrowseButNotSave_data();
    void viewerMayBrowseButNotSave();
    void emailNewsletterNeedsAddress();
    void namesWithApostrophesAndAccents_data();
    void namesWithApostrophesAndAccents();
    void choosingAnotherPersonAfterDiscard();
    void typeAheadLoadsPerson();
    void newClearsAuditTexts();
    void loadMemberAddedAfterOpening();
    void loadMemberThatDoesNotExist();
    void reloadKeepsEveryChoice_data();
    void reloadKeepsEveryChoice();
    void framesSitInTabOrder_data();
    void framesSitInTabOrder();
    void familyDoubleClickOpensRelative();
    void responsibilityAddReloadsLists();
    void headsAreNotOfferedAsRelatives();
    void pictureScaledAndStored_data();
    void pictureScaledAndStored();
    void pictureCancelKeepsPicture();
    void pictureRefusesUnsafeOrUnreadableFiles_data();
    void pictureRefusesUnsafeOrUnreadableFiles();
    void pictureReplacementKeepsOldFile();
    void pictureNotStoredOrRemoved_data();
    void pictureNotStoredOrRemoved();
    void pictureMissingFileLeavesBoxEmpty();
};

void TestMemberEntry::opensEmptyOnContactTab()
{
    Screen s;
    QVERIFY(s.ws.find<frmMemberEntry>() == s.form);
    QCOMPARE(s.form->windowTitle(), QStringLiteral("Member Entry/Edit"));
    QCOMPARE(s.control<QTabWidget>("SSTab1")->currentIndex(), 0);
    // An "Admin" holds "Giving View": the Giving tab comes last.
    const QStringList tabs = { "Contact Info", "Demographic Info", "Notes", "Church Info", "Prospect Info",
        "Attendance Info", "Family Info", "Serving", "Giving" };
    QCOMPARE(s.control<QTabWidget>("SSTab1")->count(), tabs.size());
    for (int i = 0; i < tabs.size(); ++i)
        QCOMPARE(s.control<QTabWidget>("SSTab1")->tabText(i), tabs.at(i));
    QVERIFY(s.control<QLineEdit>("txtMemberID")->text().isEmpty());
    QCOMPARE(s.control<QComboBox>("cmbMember")->count(), 1);
    QCOMPARE(s.control<QComboBox>("cmbMember")->currentIndex(), -1);
    QCOMPARE(s.control<QDateEdit>("dtDOB")->date(), kNow.date());
    QVERIFY(!s.control<QDateEdit>("dtDOB")->isEnabled());
    QVERIFY(!s.control<QComboBox>("cmbSSClass")->isEnabled());
    QVERIFY(!s.control<QCheckBox>("chkMemberSince")->isEnabled());
    QVERIFY(s.control<QPushButton>("btnNewContact")->isEnabled());
    QCOMPARE(s.control<QTableView>("vsfgProspectContacts")->model()->columnCount(), 8);
    QCOMPARE(s.control<QTableView>("vsfgProspectContacts")->model()->rowCount(), 0);
    QCOMPARE(s.control<QLineEdit>("txtFName")->maxLength(), 50);
    QCOMPARE(s.control<QLineEdit>("txtProspectMemberOf")->maxLength(), 50);
    QVERIFY(s.control<QLineEdit>("txtFileType")->isHidden());
    QCOMPARE(s.control<QLabel>("imgPic")->size(), QSize(169, 169));
    QCOMPARE(s.control<QComboBox>("cmbGender")->count(), 3);
    QCOMPARE(s.control<QComboBox>("cmbMaritalStatus")->itemText(2), QStringLiteral("Divorced"));
    // Opening twice gives the same window.
    QCOMPARE(s.ws.open<frmMemberEntry>(), s.form.data());
}

void TestMemberEntry::newPersonWithRequiredFieldsOnly()
{
    Screen s;
    QSignalSpy changed(&s.ws, &Workspace::membersChanged);
    s.fillRequired();
    s.click(s.control<QPushButton>("btnSaveNew"));
    QCOMPARE(s.env.messages.count(), 0);
    QCOMPARE(changed.count(), 1);
    const qint64 id = s.lastId();
    const QVariantMap r = s.row(id);

    const QStringList nullColumns = { "Picture", "Date_Of_Birth", "Anniversary_Date", "Member_Since", "Came_Forward",
        "Baptized", "Letter_Out", "Deceased_Date", "Sunday_School_Class", "Discipleship_Training_Class",
        "Wednesday_Night_Class", "Care_Group_Assigned", "DeaconID", "Prospect_Sunday_School_Class_Assigned",
        "Prospect_Care_Group_Assigned", "Prospect_Phase", "Prospect_Next_Contact_Date", "Prospect_Next_Contact_Action",
        "Date_Edited", "Edited_By" };
    const QStringList falseColumns
        = { "Head_Of_Household", "Receive_Newsletter_Via_Mail", "Receive_Newsletter_Via_EMail" };
    const QMap<QString, QString> given = { { "Status", "Member" }, { "First_Name", "Ruth" }, { "Last_Name", "Baker" },
        { "Gender", "Female" }, { "Member_Active_Status", "Active" }, { "Prospect_Active_Status", "Inactive" },
        { "Date_Added", "2026-03-15T10:30:00" }, { "Added_By", "clerk" } };
    for (auto it = r.constBegin(); it != r.constEnd(); ++it) {
        const QString column = it.key();
        if (column == QLatin1String("ID"))
            continue;
        if (nullColumns.contains(column))
            QVERIFY2(it.value().isNull(), qPrintable(column));
        else if (falseColumns.contains(column))
            QVERIFY2(it.value().toInt() == 0, qPrintable(column));
        else if (given.contains(column))
            QCOMPARE(it.value().toString(), given.value(column));
        else
            QVERIFY2(!it.value().isNull() && it.value().toString().isEmpty(), qPrintable(column)); // empty text
    }

    // "Save and New" leaves an empty screen whose person list holds the new person.
    QVERIFY(s.control<QLineEdit>("txtMemberID")->text().isEmpty());
    QVERIFY(s.control<QLineEdit>("txtFName")->text().isEmpty());
    QCOMPARE(s.control<QComboBox>("cmbMemberStatus")->currentIndex(), -1);
    QCOMPARE(s.control<QComboBox>("cmbMember")->currentIndex(), -1);
    QCOMPARE(s.control<QComboBox>("cmbMember")->count(), 2);
    QVERIFY(selectById(s.control<QComboBox>("cmbMember"), id));
    QCOMPARE(s.control<QLineEdit>("txtFName")->text(), QStringLiteral("Ruth"));
}

void TestMemberEntry::everyFieldRoundTrips()
{
    Screen s;
    const qint64 ss = s.addClass(QStringLiteral("Adults"));
    const qint64 group = s.env.db().insert(
        QStringLiteral("INSERT INTO Care_Group (Group_Leader) VALUES (?)") + sql::returningId(), { s.clerk });
    s.env.db().exec(
        QStringLiteral("INSERT INTO Member_Responsibility VALUES (?, 'Deacon', '2020-01-01', '2030-01-01')"),
        { s.clerk });
    // As the class and responsibility screens announce their saves.
    emit s.ws.membersChanged();
    emit s.ws.lookupsChanged();
    s.fillRequired();
    s.control<QLineEdit>("txtMName")->setText(QStringLiteral("Ann"));
    QVERIFY(Screen::choose(s.control<QComboBox>("cmbTitle"), QStringLiteral("Mrs.")));
    s.control<QLineEdit>("txtAddress1")->setText(QStringLiteral("12 Elm St"));
    s.control<QLineEdit>("txtCity")->setText(QStringLiteral("Springfield"));
    QVERIFY(Screen::choose(s.control<QComboBox>("cmbState"), QStringLiteral("TN")));
    s.control<QLineEdit>("txtZip")->setText(QStringLiteral("37010"));
    setPhoneDigits(s.control<QLineEdit>("txtHomePhone"), QStringLiteral("6155551234"));
    setPhoneDigits(s.control<QLineEdit>("txtCell"), QStringLiteral("6155559876"));
    s.control<QLineEdit>("txtEmail")->setText(QStringLiteral("ruth@example.org"));
    s.control<QCheckBox>("chkNewEmail")->setChecked(true);
    s.control<QCheckBox>("chkNewMail")->setChecked(true);
    s.control<QCheckBox>("chkHOH")->setChecked(true);
    s.control<QPlainTextEdit>("txtHobbies")->setPlainText(QStringLiteral("Quilting\nGardening"));
    s.control<QPlainTextEdit>("txtNotes")->setPlainText(QStringLiteral("Line one\nLine two"));
    QVERIFY(Screen::choose(s.control<QComboBox>("cmbMaritalStatus"), QStringLiteral("Married")));
    QVERIFY(Screen::choose(s.control<QComboBox>("cmbWorshipAttend"), QStringLiteral("Most Weeks")));
    QVERIFY(selectById(s.control<QComboBox>("cmbSSClass"), ss));
    QVERIFY(selectById(s.control<QComboBox>("cmbCareGroup"), group));
    QVERIFY(selectById(s.control<QComboBox>("cmbDeacon"), s.clerk));
    QVERIFY(selectById(s.control<QComboBox>("cmbProspectSSClass"), ss));
    s.control<QLineEdit>("txtProspectMemberOf")->setText(QStringLiteral("First Baptist"));
    QVERIFY(s.form->SaveMember());
    const qint64 id = s.control<QLineEdit>("txtMemberID")->text().toLongLong();
    QVERIFY(id > s.clerk);

    const QVariantMap r = s.row(id);
    QCOMPARE(r["Title"].toString(), QStringLiteral("Mrs."));
    QCOMPARE(r["Phone"].toString(), QStringLiteral("6155551234"));
    QCOMPARE(r["Work_Phone"].toString(), QString());
    QCOMPARE(r["Receive_Newsletter_Via_EMail"].toInt(), 1);
    QCOMPARE(r["Head_Of_Household"].toInt(), 1);
    QCOMPARE(r["Sunday_School_Class"].toLongLong(), ss);
    QCOMPARE(r["Care_Group_Assigned"].toLongLong(), group);
    QCOMPARE(r["DeaconID"].toLongLong(), s.clerk);
    QCOMPARE(r["Prospect_Sunday_School_Class_Assigned"].toLongLong(), ss);
    QVERIFY(r["Prospect_Care_Group_Assigned"].isNull());

    // Loading shows it all again.
    s.control<QPushButton>("btnNew")->click();
    s.form->LoadMember(id);
    QCOMPARE(s.control<QLineEdit>("txtMName")->text(), QStringLiteral("Ann"));
    QCOMPARE(s.control<QComboBox>("cmbTitle")->currentText(), QStringLiteral("Mrs."));
    QCOMPARE(s.control<QComboBox>("cmbState")->currentText(), QStringLiteral("TN"));
    QCOMPARE(s.control<QLineEdit>("txtHomePhone")->text(), QStringLiteral("(615) 555-1234"));
    QCOMPARE(s.control<QPlainTextEdit>("txtHobbies")->toPlainText(), QStringLiteral("Quilting\nGardening"));
    QVERIFY(s.control<QCheckBox>("chkNewEmail")->isChecked());
    QVERIFY(s.control<QCheckBox>("chkHOH")->isChecked());
    QCOMPARE(selectedId(s.control<QComboBox>("cmbSSClass")), ss);
    QCOMPARE(selectedId(s.control<QComboBox>("cmbCareGroup")), group);
    QCOMPARE(selectedId(s.control<QComboBox>("cmbDeacon")), s.clerk);
    QCOMPARE(s.control<QComboBox>("cmbWorshipAttend")->currentText(), QStringLiteral("Most Weeks"));
    QCOMPARE(s.control<QComboBox>("cmbSSAttend")->currentIndex(), -1);
    QCOMPARE(s.control<QLineEdit>("txtEdited")->text(), QStringLiteral(" - "));
    QCOMPARE(s.control<QLineEdit>("txtAdded")->text(), QStringLiteral("3/15/2026 10:30 AM - clerk"));
    QCOMPARE(s.env.messages.count(), 0);
}

void TestMemberEntry::resaveKeepsAddedAndSetsEdited()
{
    Screen s;
    s.fillRequired();
    QVERIFY(s.form->SaveMember());
    const qint64 id = s.lastId();
    s.env.clock.advanceSeconds(86400 + 60);
    s.env.loginAs(s.clerk, QStringLiteral("Admin"), QStringLiteral("pastor"));
    s.form->LoadMember(id);
    s.control<QLineEdit>("txtCity")->setText(QStringLiteral("Nashville"));
    s.click(s.control<QPushButton>("btnSaveClose"));
    QApplication::processEvents();

    QCOMPARE(s.env.messages.count(), 0);
    QVERIFY(!s.ws.find<frmMemberEntry>());
    const QVariantMap r = s.row(id);
    QCOMPARE(r["City"].toString(), QStringLiteral("Nashville"));
    QCOMPARE(r["Date_Added"].toString(), QStringLiteral("2026-03-15T10:30:00"));
    QCOMPARE(r["Added_By"].toString(), QStringLiteral("clerk"));
    QCOMPARE(r["Date_Edited"].toString(), QStringLiteral("2026-03-16T10:31:00"));
    QCOMPARE(r["Edited_By"].toString(), QStringLiteral("pastor"));
    QCOMPARE(s.people(), 2);
}

void TestMemberEntry::dateBoxDecidesNull_data()
{
    QTest::addColumn<QString>("check");
    QTest::addColumn<QString>("picker");
    QTest::addColumn<QString>("column");
    QTest::newRow("birth") << "chkDOB"
                           << "dtDOB"
                           << "Date_Of_Birth";
    QTest::newRow("anniversary") << "chkAnnivDate"
                                 << "dtAnnivDate"
                                 << "Anniversary_Date";
    QTest::newRow("member since") << "chkMemberSince"
                                  << "dtMemberSince"
                                  << "Member_Since";
    QTest::newRow("came forward") << "chkCameForward"
                                  << "dtCameForward"
                                  << "Came_Forward";
    QTest::newRow("baptized") << "chkBaptized"
                              << "dtBaptized"
                              << "Baptized";
    QTest::newRow("letter out") << "chkLetterOut"
                                << "dtLetterOut"
                                << "Letter_Out";
    QTest::newRow("deceased") << "chkDeceased"
                              << "dtDeceased"
                              << "Deceased_Date";
}

void TestMemberEntry::dateBoxDecidesNull()
{
    QFETCH(QString, check);
    QFETCH(QString, picker);
    QFETCH(QString, column);
    Screen s;
    auto* box = s.control<QCheckBox>(check);
    auto* date = s.control<QDateEdit>(picker);
    QVERIFY(box && date);
    s.fillRequired(); // "Active": the church pickers are on
    box->setChecked(true);
    QVERIFY(date->isEnabled());
    date->setDate(QDate(1980, 7, 4));
    QVERIFY(s.form->SaveMember());
    const qint64 id = s.lastId();
    QCOMPARE(s.row(id)[column].toString(), QStringLiteral("1980-07-04"));

    // Loaded, the box is ticked; clearing it stores Null whatever the picker shows.
    s.form->LoadMember(id);
    QVERIFY(box->isChecked());
    QCOMPARE(date->date(), QDate(1980, 7, 4));
    box->setChecked(false);
    QVERIFY(!date->isEnabled());
    QVERIFY(s.form->SaveMember());
    QVERIFY(s.row(id)[column].isNull());
}

void TestMemberEntry::prospectNextStepNeedsBothLists_data()
{
    QTest::addColumn<QStringList>("chosen"); // phase and action; none: left as loaded
    QTest::addColumn<QString>("refusal"); // part of the message; empty: saved
    QTest::newRow("both") << QStringList { "Pastor Visit", "Phone Call" } << QString();
    QTest::newRow("phase only") << QStringList { "Pastor Visit", "" } << "has a Phase but no Action";
    QTest::newRow("action only") << QStringList { "", "Phone Call" } << "has an Action but no Phase";
    QTest::newRow("untouched, no date") << QStringList {} << QString();
}

// Imported with a phase, no date, no action: stored whole or refused, written only when changed.
void TestMemberEntry::prospectNextStepNeedsBothLists()
{
    QFETCH(QStringList, chosen);
    QFETCH(QString, refusal);
    Screen s(false);
    const qint64 id = s.env.addMember(QStringLiteral("Paul"), QStringLiteral("Prospect"), QStringLiteral("Prospect"));
    s.env.db().exec(QStringLiteral("UPDATE Member SET Prospect_Phase = 'First Visit' WHERE ID = ?"), { id });
    s.openScreen();
    s.form->LoadMember(id);
    QCOMPARE(s.control<QComboBox>("cmbNextPhase")->currentText(), QStringLiteral("First Visit"));
    const bool written = refusal.isEmpty() && !chosen.isEmpty();
    if (!chosen.isEmpty()) {
        for (const char* name : { "cmbNextPhase", "cmbNextContactAction" }) // "" chooses nothing
            s.control<QComboBox>(name)->setCurrentIndex(s.control<QComboBox>(name)->findText(chosen.takeFirst()));
        s.control<QDateEdit>("dtNextContactDate")->setDate(QDate(2026, 5, 2));
    }
    s.control<QLineEdit>("txtCity")->setText(QStringLiteral("Memphis"));
    s.form->saveKeepingRecord();

    const QVariantMap r = s.row(id);
    QCOMPARE(r["Prospect_Phase"].toString(), written ? QStringLiteral("Pastor Visit") : QStringLiteral("First Visit"));
    QCOMPARE(r["Prospect_Next_Contact_Date"].toString(), written ? QStringLiteral("2026-05-02") : QString());
    QCOMPARE(r["Prospect_Next_Contact_Action"].toString(), written ? QStringLiteral("Phone Call") : QString());
    QCOMPARE(s.env.messages.count(), refusal.isEmpty() ? 0 : 1);
    QVERIFY(s.env.messages.last().text.contains(refusal));
    // A refused choice stays on screen as unsaved; a saved screen shows the row.
    QCOMPARE(s.form->editTracker()->isDirty(), !refusal.isEmpty());
}

void TestMemberEntry::valuesTheScreenCannotShowAreKept_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QVariant>("stored"); // -1: the clerk
    QTest::addColumn<QStringList>("shown"); // control, text
    QTest::newRow("title") << "Title" << QVariant("Rev") << QStringList { "cmbTitle", "Rev (not in the list)" };
    QTest::newRow("state") << "State" << QVariant("tx") << QStringList { "cmbState", "tx (not in the list)" };
    QTest::newRow("phone") << "Work_Phone" << QVariant("555-1234 x12")
                           << QStringList { "txtWorkPhone", "555-1234 x12" };
    QTest::newRow("class") << "Sunday_School_Class" << QVariant(9999)
                           << QStringList { "cmbSSClass", "ID 9999 (not in the list)" };
    QTest::newRow("deacon") << "DeaconID" << QVariant(-1)
                            << QStringList { "cmbDeacon", "Clerk, Clara (not in the list)" };
}

// Values no list or mask can show are shown as they are and kept by a save of another field.
void TestMemberEntry::valuesTheScreenCannotShowAreKept()
{
    QFETCH(QString, column);
    QFETCH(QVariant, stored);
    QFETCH(QStringList, shown);
    Screen s;
    if (stored == QVariant(-1))
        stored = s.clerk;
    s.env.db().exec(QStringLiteral("UPDATE Member SET %1 = ? WHERE ID = ?").arg(column), { stored, s.clerk });
    s.form->LoadMember(s.clerk);
    auto* list = qobject_cast<QComboBox*>(s.control<QWidget>(shown[0]));
    QCOMPARE(list ? list->currentText() : s.control<QLineEdit>(shown[0])->text(), shown[1]);
    s.control<QLineEdit>("txtCity")->setText(QStringLiteral("Memphis"));
    QVERIFY(s.form->SaveMember());
    QCOMPARE(s.row(s.clerk)[column].toString(), stored.toString());
}

void TestMemberEntry::churchStatusEnablesWithoutClearing_data()
{
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("Active") << "Active" << true;
    QTest::newRow("Inactive") << "Inactive" << false;
    QTest::newRow("Deceased") << "Deceased" << false;
    QTest::newRow("none") << "" << false;
}

void TestMemberEntry::churchStatusEnablesWithoutClearing()
{
    QFETCH(QString, status);
    QFETCH(bool, enabled);
    Screen s(false);
    const qint64 ss = s.addClass(QStringLiteral("Seniors"));
    s.openScreen();
    s.fillRequired();
    // Values entered while "Active" stay when the status changes, and are saved.
    s.control<QCheckBox>("chkBaptized")->setChecked(true);
    s.control<QDateEdit>("dtBaptized")->setDate(QDate(1999, 9, 9));
    s.control<QLineEdit>("txtPreviousChurch")->setText(QStringLiteral("Grace Chapel"));
    QVERIFY(selectById(s.control<QComboBox>("cmbSSClass"), ss));
    QVERIFY(Screen::choose(s.control<QComboBox>("cmbWedAttend"), QStringLiteral("Monthly")));
    s.control<QComboBox>("cmbChurchStatus")->setCurrentIndex(s.control<QComboBox>("cmbChurchStatus")->findText(status));

    const QList<QWidget*> church = { s.control<QDateEdit>("dtMemberSince"), s.control<QCheckBox>("chkMemberSince"),
        s.control<QLineEdit>("txtPreviousChurch"), s.control<QDateEdit>("dtCameForward"),
        s.control<QCheckBox>("chkCameForward"), s.control<QDateEdit>("dtBaptized"), s.control<QCheckBox>("chkBaptized"),
        s.control<QDateEdit>("dtLetterOut"), s.control<QCheckBox>("chkLetterOut"), s.control<QDateEdit>("dtDeceased"),
        s.control<QCheckBox>("chkDeceased"), s.control<QComboBox>("cmbSSAttend"),
        s.control<QComboBox>("cmbWorshipAttend"), s.control<QComboBox>("cmbDiscAttend"),
        s.control<QComboBox>("cmbSundayEveAttend"), s.control<QComboBox>("cmbWedAttend"),
        s.control<QComboBox>("cmbSSClass"), s.control<QComboBox>("cmbCareGroup"), s.control<QComboBox>("cmbDiscClass"),
        s.control<QComboBox>("cmbWedClass") };
    QCOMPARE(church.size(), 20);
    for (QWidget* w : church)
        QVERIFY2(w->isEnabled() == enabled, qPrintable(w->objectName()));
    // "Active" enables a picker even when its box is clear.
    QVERIFY(!s.control<QCheckBox>("chkMemberSince")->isChecked());
    QCOMPARE(s.control<QDateEdit>("dtMemberSince")->isEnabled(), enabled);
    QCOMPARE(s.control<QLineEdit>("txtPreviousChurch")->text(), QStringLiteral("Grace Chapel"));
    QCOMPARE(selectedId(s.control<QComboBox>("cmbSSClass")), ss);

    if (status.isEmpty()) {
        s.form->SaveMember(); // refused: a required list is empty
        QCOMPARE(s.env.messages.last().title, QStringLiteral("Required Fields"));
        return;
    }
    QVERIFY(s.form->SaveMember());
    const qint64 id = s.lastId();
    const QVariantMap r = s.row(id);
    QCOMPARE(r["Baptized"].toString(), QStringLiteral("1999-09-09"));
    QCOMPARE(r["Previous_Church"].toString(), QStringLiteral("Grace Chapel"));
    QCOMPARE(r["Sunday_School_Class"].toLongLong(), ss);
    QCOMPARE(r["Wednesday_Night_Attendance_Level"].toString(), QStringLiteral("Monthly"));

    // Loading shows the same state; a ticked box of a switched-off section
    // does not leave its picker on.
    s.form->LoadMember(id);
    QVERIFY(s.control<QCheckBox>("chkBaptized")->isChecked());
    QCOMPARE(s.control<QDateEdit>("dtBaptized")->isEnabled(), enabled);
    QCOMPARE(s.control<QDateEdit>("dtMemberSince")->isEnabled(), enabled);
    QCOMPARE(s.control<QDateEdit>("dtDOB")->isEnabled(), false);
}

void TestMemberEntry::requiredFieldMissing_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("button");
    QTest::newRow("status") << "cmbMemberStatus"
                            << "btnSaveClose";
    QTest::newRow("first name") << "txtFName"
                                << "btnSaveClose";
    QTest::newRow("last name") << "txtLName"
                               << "btnSaveNew";
    QTest::newRow("gender") << "cmbGender"
                            << "btnSaveNew";
    QTest::newRow("church status") << "cmbChurchStatus"
                                   << "btnSaveClose";
    QTest::newRow("prospect status") << "cmbProspectStatus"
                                     << "btnSaveNew";
}

void TestMemberEntry::requiredFieldMissing()
{
    QFETCH(QString, control);
    QFETCH(QString, button);
    Screen s;
    s.fillRequired();
    s.control<QLineEdit>("txtMName")->setText(QStringLiteral("Kept"));
    QWidget* w = s.control<QWidget>(control);
    if (auto* combo = qobject_cast<QComboBox*>(w))
        combo->setCurrentIndex(-1);
    else
        qobject_cast<QLineEdit*>(w)->clear();
    s.click(s.control<QPushButton>(button));
    QApplication::processEvents();

    QCOMPARE(s.env.messages.count(), 1);
    QCOMPARE(s.env.messages.last().text, QStringLiteral("All fields in blue are required."));
    QCOMPARE(s.env.messages.last().title, QStringLiteral("Required Fields"));
    QCOMPARE(s.env.messages.last().icon, Icon::None);
    QCOMPARE(s.people(), 1);
    QVERIFY(s.ws.find<frmMemberEntry>());
    QCOMPARE(s.control<QLineEdit>("txtMName")->text(), QStringLiteral("Kept"));
    // The six labels of the required fields are blue, others are not.
    for (const char* name :
        { "lblMemberStatus", "lblFName", "lblLName", "lblGender", "lblChurchStatus", "lblProspectStatus" })
        QVERIFY(s.control<QLabel>(name)->styleSheet().contains(QStringLiteral("blue")));
    QVERIFY(s.control<QLabel>("lblMName")->styleSheet().isEmpty());
}

void TestMemberEntry::viewerMayBrowseButNotSave_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("save and new") << "btnSaveNew";
    QTest::newRow("save and close") << "btnSaveClose";
}

void TestMemberEntry::viewerMayBrowseButNotSave()
{
    QFETCH(QString, button);
    Screen s;
    s.env.loginWithOnly(perm::MemberView);
    s.form->LoadMember(s.clerk);
    QCOMPARE(s.control<QLineEdit>("txtFName")->text(), QStringLiteral("Clara"));
    s.control<QLineEdit>("txtFName")->setText(QStringLiteral("Changed"));
    s.click(s.control<QPushButton>(button));
    QApplication::processEvents();

    QCOMPARE(s.env.messages.count(), 1);
    QCOMPARE(s.env.messages.last().text, QStringLiteral("You do not have permission to save this record."));
    QCOMPARE(s.env.messages.last().title, QStringLiteral("Invalid Permission"));
    QCOMPARE(s.env.messages.last().icon, Icon::Warning);
    QCOMPARE(s.row(s.clerk)["First_Name"].toString(), QStringLiteral("Clara"));
    QVERIFY(s.row(s.clerk)["Date_Edited"].isNull());
    QVERIFY(s.ws.find<frmMemberEntry>());
    QCOMPARE(s.control<QLineEdit>("txtFName")->text(), QStringLiteral("Changed"));
    QCOMPARE(s.form->windowTitle(), QStringLiteral("Member Entry/Edit* (View only)"));

    // "New" is allowed; the change that cannot be saved may be dropped.
    s.env.messages.choices = { QStringLiteral("Discard") };
    s.click(s.control<QPushButton>("btnNew"));
    QVERIFY(s.control<QLineEdit>("txtFName")->text().isEmpty());
    QCOMPARE(s.env.messages.count(), 2);
    QCOMPARE(s.env.messages.last().text, QStringLiteral("Save changes to Clerk, Changed?"));
}

void TestMemberEntry::emailNewsletterNeedsAddress()
{
    Screen s;
    s.control<QCheckBox>("chkNewEmail")->setChecked(true);
    QCOMPARE(s.env.messages.count(), 1);
    QCOMPARE(s.env.messages.last().text,
        QStringLiteral("You cannot select Newsletter Via E-Mail unless the member has an E-Mail address entered on "
                       "the Contact tab."));
    QCOMPARE(s.env.messages.last().title, QStringLiteral("No E-Mail Address"));
    QCOMPARE(s.env.messages.last().icon, Icon::None);
    QVERIFY(!s.control<QCheckBox>("chkNewEmail")->isChecked());

    s.control<QLineEdit>("txtEmail")->setText(QStringLiteral("a@b.org"));
    s.control<QCheckBox>("chkNewEmail")->setChecked(true);
    QCOMPARE(s.env.messages.count(), 1);
    s.control<QLineEdit>("txtEmail")->clear(); // emptying the address later keeps the box
    QVERIFY(s.control<QCheckBox>("chkNewEmail")->isChecked());

    // A stored flag without an address is refused on loading too.
    s.env.db().exec(QStringLiteral("UPDATE Member SET Receive_Newsletter_Via_EMail = 1 WHERE ID = ?"), { s.clerk });
    s.env.messages.choices = { QStringLiteral("Discard") }; // the address typed and emptied above
    s.form->LoadMember(s.clerk);
    QCOMPARE(s.env.messages.count(), 3);
    QVERIFY(!s.control<QCheckBox>("chkNewEmail")->isChecked());
}

void TestMemberEntry::namesWithApostrophesAndAccents_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("apostrophe") << "D'Arcy"
                                << "O'Brien";
    QTest::newRow("accents") << QString::fromUtf8("José") << QString::fromUtf8("Muñoz");
    QTest::newRow("quote and semicolon") << "Ann\"; DROP TABLE Member; --"
                                         << "Lee";
}

void TestMemberEntry::namesWithApostrophesAndAccents()
{
    QFETCH(QString, first);
    QFETCH(QString, last);
    Screen s;
    s.fillRequired(first, last);
    s.control<QPlainTextEdit>("txtNotes")->setPlainText(QStringLiteral("It's Ruth's"));
    s.click(s.control<QPushButton>("btnSaveNew"));
    QCOMPARE(s.env.messages.count(), 0);
    const qint64 id = s.lastId();
    QCOMPARE(s.row(id)["Last_Name"].toString(), last);
    QCOMPARE(s.row(id)["Notes"].toString(), QStringLiteral("It's Ruth's"));
    const int index
        = s.control<QComboBox>("cmbMember")->findText(last + QStringLiteral(", ") + first + QStringLiteral("  "));
    QVERIFY(index >= 0);
    s.control<QComboBox>("cmbMember")->setCurrentIndex(index);
    QCOMPARE(s.control<QLineEdit>("txtFName")->text(), first);
    QCOMPARE(s.control<QLineEdit>("txtMemberID")->text().toLongLong(), id);
}

void TestMemberEntry::choosingAnotherPersonAfterDiscard()
{
    Screen s(false);
    const qint64 other = s.env.addMember(QStringLiteral("Otto"), QStringLiteral("Other"));
    s.openScreen();
    s.form->LoadMember(s.clerk);
    s.control<QLineEdit>("txtFName")->setText(QStringLiteral("Unsaved"));
    s.env.messages.choices = { QStringLiteral("Discard") };
    QVERIFY(selectById(s.control<QComboBox>("cmbMember"), other));
    QCOMPARE(s.control<QLineEdit>("txtFName")->text(), QStringLiteral("Otto"));
    QCOMPARE(s.row(s.clerk)["First_Name"].toString(), QStringLiteral("Clara"));
    QCOMPARE(s.env.messages.count(), 1);
}

void TestMemberEntry::typeAheadLoadsPerson()
{
    Screen s(false);
    s.env.addMember(QStringLiteral("Zed"), QStringLiteral("Zimmer"));
    s.openScreen();
    s.control<QComboBox>("cmbMember")->setFocus();
    QTest::keyClick(s.control<QComboBox>("cmbMember"), Qt::Key_Z);
    QCOMPARE(s.control<QLineEdit>("txtFName")->text(), QStringLiteral("Zed"));
    QTest::keyClick(s.control<QComboBox>("cmbGender"), Qt::Key_M);
    QCOMPARE(s.control<QComboBox>("cmbGender")->currentText(), QStringLiteral("Male"));
}

void TestMemberEntry::newClearsAuditTexts()
{
    Screen s;
    s.form->LoadMember(s.clerk);
    QCOMPARE(s.control<QLineEdit>("txtEdited")->text(), QStringLiteral(" - "));
    QCOMPARE(s.control<QLineEdit>("txtAdded")->text(), QStringLiteral(" - ")); // added outside the screen
    s.control<QTabWidget>("SSTab1")->setCurrentIndex(3);
    s.click(s.control<QPushButton>("btnNew"));
    QVERIFY(s.control<QLineEdit>("txtAdded")->text().isEmpty());
    QVERIFY(s.control<QLineEdit>("txtEdited")->text().isEmpty());
    QVERIFY(s.control<QLineEdit>("txtMemberID")->text().isEmpty());
    QCOMPARE(s.control<QTabWidget>("SSTab1")->currentIndex(), 0);
    QCOMPARE(s.control<QComboBox>("cmbMember")->currentIndex(), -1);
}

void TestMemberEntry::loadMemberAddedAfterOpening()
{
    Screen s;
    const qint64 late = s.env.addMember(QStringLiteral("Lena"), QStringLiteral("Late"));
    QCOMPARE(s.control<QComboBox>("cmbMember")->count(), 1);
    s.form->LoadMember(late);
    QCOMPARE(s.env.messages.count(), 0);
    QCOMPARE(s.control<QLineEdit>("txtFName")->text(), QStringLiteral("Lena"));
    QCOMPARE(selectedId(s.control<QComboBox>("cmbMember")), late);
    QCOMPARE(s.control<QComboBox>("cmbMember")->count(), 2);
}

void TestMemberEntry::loadMemberThatDoesNotExist()
{
    Screen s;
    s.form->LoadMember(s.clerk);
    s.control<QLineEdit>("txtCity")->setText(QStringLiteral("typed"));
    s.form->LoadMember(5000000000LL); // beyond any 16- or 32-bit limit
    QCOMPARE(s.env.messages.count(), 1);
    QVERIFY(s.env.messages.last().text.contains(QStringLiteral("no longer exists")));
    QCOMPARE(s.control<QLineEdit>("txtCity")->text(), QStringLiteral("typed"));
    QCOMPARE(selectedId(s.control<QComboBox>("cmbMember")), s.clerk);
    QCOMPARE(s.control<QComboBox>("cmbGender")->currentText(), QStringLiteral("Unknown"));
}

void TestMemberEntry::reloadKeepsEveryChoice_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::newRow("a class saved elsewhere") << "lookupsChanged";
    QTest::newRow("a responsibility added") << "add";
    QTest::newRow("a responsibility removed") << "remove";
}

// A reload of the lists (after a responsibility change, or when another
// screen saved a class) must not blank the person's values: a later save
// would store them empty without a word.
void TestMemberEntry::reloadKeepsEveryChoice()
{
    QFETCH(QString, trigger);
    Screen s;
    const qint64 ss = s.addClass(QStringLiteral("Young Adults"));
    const qint64 gone = s.addClass(QStringLiteral("Closing Class"));
    s.env.db().exec(QStringLiteral("UPDATE Member SET Title = 'Mrs.', State = 'TX', Sunday_School_Class = ?, "
                                   "Discipleship_Training_Class = NULL WHERE ID = ?"),
        { ss, s.clerk });
    s.env.db().exec(QStringLiteral("INSERT INTO Responsibilities (Name, Description) VALUES ('Usher', 'Greets')"));
    s.env.db().exec(QStringLiteral("INSERT INTO Member_Responsibility VALUES (?, 'Usher', '2020-01-01', '2020-12-31')"),
        { s.clerk });
    emit s.ws.membersChanged();
    emit s.ws.lookupsChanged();
    s.form->LoadMember(s.clerk);
    // Unsaved choices the user made survive as well.
    QVERIFY(Screen::choose(s.control<QComboBox>("cmbMaritalStatus"), QStringLiteral("Married")));
    QVERIFY(selectById(s.control<QComboBox>("cmbProspectSSClass"), gone));
    s.control<QLineEdit>("txtCity")->setText(QStringLiteral("Dallas"));

    if (trigger == QLatin1String("lookupsChanged")) {
        s.env.db().exec(QStringLiteral("DELETE FROM Sunday_School WHERE ID = ?"), { gone });
        emit s.ws.lookupsChanged();
    } else if (trigger == QLatin1String("add")) {
        QVERIFY(Screen::choose(s.control<QComboBox>("cmbResp"), QStringLiteral("Deacon")));
        s.click(s.control<QPushButton>("btnAddResp"));
    } else {
        s.control<QTableView>("vsfgChurchResponsibilites")->selectRow(0);
        QCOMPARE(s.control<QComboBox>("cmbResp")->currentText(), QStringLiteral("Usher"));
        s.click(s.control<QPushButton>("btnRemoveResp"));
        QCOMPARE(s.control<QTableView>("vsfgChurchResponsibilites")->model()->rowCount(), 0);
    }

    QCOMPARE(selectedId(s.control<QComboBox>("cmbMember")), s.clerk);
    QCOMPARE(s.control<QComboBox>("cmbTitle")->currentText(), QStringLiteral("Mrs."));
    QCOMPARE(s.control<QComboBox>("cmbState")->currentText(), QStringLiteral("TX"));
    QCOMPARE(s.control<QComboBox>("cmbGender")->currentText(), QStringLiteral("Unknown"));
    QCOMPARE(s.control<QComboBox>("cmbChurchStatus")->currentText(), QStringLiteral("Active"));
    QVERIFY(s.control<QLineEdit>("txtPreviousChurch")->isEnabled());
    QCOMPARE(selectedId(s.control<QComboBox>("cmbSSClass")), ss);
    QCOMPARE(s.control<QComboBox>("cmbMaritalStatus")->currentText(), QStringLiteral("Married"));
    QCOMPARE(s.control<QLineEdit>("txtCity")->text(), QStringLiteral("Dallas"));
    // A class deleted elsewhere stays, marked as not in the list.
    QCOMPARE(selectedId(s.control<QComboBox>("cmbProspectSSClass")), gone);
    // "Resp." and its dates start over after an Add or Remove.
    QCOMPARE(s.control<QComboBox>("cmbResp")->currentIndex(), -1);
    QCOMPARE(s.control<QDateEdit>("dtRespStart")->date(), kNow.date());

    QVERIFY(s.form->SaveMember());
    const QVariantMap row = s.row(s.clerk);
    QCOMPARE(row.value("Title").toString(), QStringLiteral("Mrs."));
    QCOMPARE(row.value("State").toString(), QStringLiteral("TX"));
    QCOMPARE(row.value("City").toString(), QStringLiteral("Dallas"));
    QCOMPARE(row.value("Marital_Status").toString(), QStringLiteral("Married"));
    QCOMPARE(sql::toId(row.value("Sunday_School_Class")), ss);
}

void TestMemberEntry::framesSitInTabOrder_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("firstInside");
    QTest::newRow("family") << "btnRemovePic"
                            << "fraFamilyMembers"
                            << "txtPlaceofWork"
                            << "vsfgFamilyMembers";
    QTest::newRow("responsibilities") << "chkNewEmail"
                                      << "fraChurchResponsibilities"
                                      << "cmbProspectStatus"
                                      << "vsfgChurchResponsibilites";
}

// Tab leaves a control, walks through every control of the frame beside it,
// then goes on to the next control of the screen.
void TestMemberEntry::framesSitInTabOrder()
{
    QFETCH(QString, before);
    QFETCH(QString, frame);
    QFETCH(QString, after);
    QFETCH(QString, firstInside);
    Screen s;
    QWidget* start = s.control<QWidget>(before);
    QWidget* panel = s.control<QWidget>(frame);
    QVERIFY(start && panel);
    QStringList walked;
    QWidget* w = start->nextInFocusChain();
    for (int guard = 0; guard < 200 && w != start; ++guard, w = w->nextInFocusChain()) {
        if (!(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (!panel->isAncestorOf(w)) {
            QCOMPARE(w->objectName(), after);
            break;
        }
        walked << w->objectName();
    }
    QVERIFY(walked.size() >= 4);
    QCOMPARE(walked.first(), firstInside);
    QVERIFY(walked.contains(frame == "fraFamilyMembers" ? "btnRemoveFamMember" : "btnRemoveResp"));
}

void TestMemberEntry::familyDoubleClickOpensRelative()
{
    Screen s(false);
    const qint64 son = s.env.addMember(QStringLiteral("Sam"), QStringLiteral("Clerk"));
    s.env.db().exec(QStringLiteral("UPDATE Member SET Head_Of_Household = 1 WHERE ID = ?"), { s.clerk });
    s.env.db().exec(QStringLiteral("INSERT INTO Family_Connection VALUES (?, 'Son', ?)"), { s.clerk, son });
    s.openScreen();
    s.form->LoadMember(s.clerk);
    auto* grid = s.control<QTableView>("vsfgFamilyMembers");
    QCOMPARE(grid->model()->rowCount(), 1);
    const QModelIndex cell = grid->model()->index(0, 1);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
    QCOMPARE(s.control<QLineEdit>("txtMemberID")->text().toLongLong(), son);
    QCOMPARE(s.control<QLineEdit>("txtFName")->text(), QStringLiteral("Sam"));
    QCOMPARE(selectedId(s.control<QComboBox>("cmbMember")), son);
    // The son's view lists the head who names him.
    QCOMPARE(grid->model()->rowCount(), 1);
    QCOMPARE(grid->model()->index(0, 0).data().toLongLong(), s.clerk);
}

void TestMemberEntry::responsibilityAddReloadsLists()
{
    Screen s;
    QSignalSpy changed(&s.ws, &Workspace::membersChanged);
    s.form->LoadMember(s.clerk);
    QCOMPARE(s.control<QComboBox>("cmbDeacon")->count(), 0);
    QVERIFY(Screen::choose(s.control<QComboBox>("cmbResp"), QStringLiteral("Deacon")));
    s.click(s.control<QPushButton>("btnAddResp"));
    QCOMPARE(s.env.messages.count(), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(s.control<QComboBox>("cmbDeacon")->count(), 1);
    QCOMPARE(s.control<QComboBox>("cmbDeacon")->itemText(0), QStringLiteral("Clerk, Clara"));
    QCOMPARE(selectedId(s.control<QComboBox>("cmbMember")), s.clerk);
    QCOMPARE(s.control<QComboBox>("cmbGender")->currentText(), QStringLiteral("Unknown"));
    QCOMPARE(s.control<QLineEdit>("txtFName")->text(), QStringLiteral("Clara"));
}

void TestMemberEntry::headsAreNotOfferedAsRelatives()
{
    Screen s(false);
    const qint64 head = s.env.addMember(QStringLiteral("Harold"), QStringLiteral("Head"));
    s.env.db().exec(QStringLiteral("UPDATE Member SET Head_Of_Household = 1 WHERE ID = ?"), { head });
    s.openScreen();
    auto* relatives = s.control<QComboBox>("cmbMemberAdd");
    QVERIFY(s.control<QComboBox>("cmbMember")->findText(QStringLiteral("Head, Harold  ")) >= 0);
    QCOMPARE(relatives->findText(QStringLiteral("Head, Harold  ")), -1);
    QVERIFY(relatives->findText(QStringLiteral("Clerk, Clara  ")) >= 0);
}

void TestMemberEntry::pictureScaledAndStored_data()
{
    QTest::addColumn<QSize>("original");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QSize>("stored");
    QTest::newRow("wide png") << QSize(660, 330) << "wide.png" << QSize(165, 83);
    QTest::newRow("tall jpg") << QSize(200, 800) << "tall.JPG" << QSize(41, 165);
    QTest::newRow("square bmp") << QSize(500, 500) << "square.bmp" << QSize(165, 165);
    QTest::newRow("tiny enlarged") << QSize(20, 10) << "tiny.png" << QSize(165, 83);
}

void TestMemberEntry::pictureScaledAndStored()
{
    QFETCH(QSize, original);
    QFETCH(QString, fileName);
    QFETCH(QSize, stored);
    Screen s;
    const QString source = s.env.dir.filePath(QStringLiteral("in-") + fileName);
    const QString type = fileName.section(QLatin1Char('.'), -1);
    QVERIFY(picture(original.width(), original.height()).save(source, nullptr, 100));
    s.env.files.answers = { source };
    s.fillRequired();
    s.click(s.control<QPushButton>("btnLoadPic"));
    QCOMPARE(s.env.messages.count(), 0);
    QCOMPARE(s.control<QLineEdit>("txtFileType")->text(), type);
    QVERIFY(!s.control<QLabel>("imgPic")->pixmap().isNull());
    QCOMPARE(s.control<QLabel>("imgPic")->pixmap().size(), stored);
    QCOMPARE(s.people(), 1); // nothing written before the save
    QVERIFY(s.form->SaveMember());

    const qint64 id = s.lastId();
    const QString expectedName = QString::number(id) + QLatin1Char('.') + type;
    QCOMPARE(s.row(id)["Picture"].toString(), expectedName);
    const QImage written(s.env.folder() + QLatin1Char('/') + expectedName);
    QCOMPARE(written.size(), stored);

    // Shown again on loading; a later save without a new picture keeps column and file.
    s.click(s.control<QPushButton>("btnNew"));
    QVERIFY(s.control<QLabel>("imgPic")->pixmap().isNull());
    s.form->LoadMember(id);
    QCOMPARE(s.control<QLabel>("imgPic")->pixmap().size(), stored);
    QVERIFY(s.control<QLineEdit>("txtFileType")->text().isEmpty());
    QVERIFY(s.form->SaveMember());
    QCOMPARE(s.row(id)["Picture"].toString(), expectedName);
    QVERIFY(QFile::exists(s.env.folder() + QLatin1Char('/') + expectedName));
}

void TestMemberEntry::pictureCancelKeepsPicture()
{
    Screen s;
    const QString source = s.env.dir.filePath(QStringLiteral("face.png"));
    QVERIFY(picture(300, 200).save(source));
    s.env.files.answers = { source, QString() }; // the second time the user cancels
    s.click(s.control<QPushButton>("btnLoadPic"));
    const QSize shown = s.control<QLabel>("imgPic")->pixmap().size();
    QCOMPARE(shown, QSize(165, 110));
    s.click(s.control<QPushButton>("btnLoadPic"));
    QCOMPARE(s.env.files.asked.size(), 2);
    QCOMPARE(s.control<QLabel>("imgPic")->pixmap().size(), shown);
    QCOMPARE(s.control<QLineEdit>("txtFileType")->text(), QStringLiteral("png"));
    QCOMPARE(s.env.messages.count(), 0);
    // "New" drops the loaded picture without writing anything, once the
    // user agreed to discard it.
    s.env.messages.choices = { QStringLiteral("Discard") };
    s.click(s.control<QPushButton>("btnNew"));
    QCOMPARE(s.env.messages.count(), 1);
    QVERIFY(s.control<QLineEdit>("txtFileType")->text().isEmpty());
    QCOMPARE(QDir(s.env.folder()).entryList({ QStringLiteral("*.png") }), QStringList { QStringLiteral("face.png") });
}

void TestMemberEntry::pictureRefusesUnsafeOrUnreadableFiles_data()
{
    QTest::addColumn<QString>("chosen"); // relative to the test folder
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("messagePart");
    QTest::newRow("no extension") << "photo" << QByteArray("x") << "no usable file type";
    QTest::newRow("path in type") << "x.png/../../evil" << QByteArray() << "no usable file type";
    QTest::newRow("blank in type") << "photo.p g" << QByteArray("x") << "no usable file type";
    QTest::newRow("not a picture") << "notes.jpg" << QByteArray("plain text, not a JPEG") << "could not be read";
    QTest::newRow("missing file") << "gone.png" << QByteArray() << "could not be read";
}

void TestMemberEntry::pictureRefusesUnsafeOrUnreadableFiles()
{
    QFETCH(QString, chosen);
    QFETCH(QByteArray, content);
    QFETCH(QString, messagePart);
    Screen s;
    const QString path = s.env.dir.filePath(chosen);
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    s.env.files.answers = { path };
    s.fillRequired();
    s.click(s.control<QPushButton>("btnLoadPic"));
    QCOMPARE(s.env.messages.count(), 1);
    QVERIFY2(s.env.messages.last().text.contains(messagePart), qPrintable(s.env.messages.last().text));
    QCOMPARE(s.env.messages.last().title, QStringLiteral("Load Picture"));
    QVERIFY(s.control<QLineEdit>("txtFileType")->text().isEmpty());
    QVERIFY(s.control<QLabel>("imgPic")->pixmap().isNull());
    QVERIFY(s.form->SaveMember());
    QVERIFY(s.row(s.lastId())["Picture"].isNull());
}

void TestMemberEntry::pictureReplacementKeepsOldFile()
{
    Screen s;
    const QString jpg = s.env.dir.filePath(QStringLiteral("a.jpg"));
    const QString png = s.env.dir.filePath(QStringLiteral("b.png"));
    QVERIFY(picture(400, 300).save(jpg, "JPG"));
    QVERIFY(picture(300, 400).save(png));
    s.env.files.answers = { jpg, png };
    s.fillRequired();
    s.click(s.control<QPushButton>("btnLoadPic"));
    QVERIFY(s.form->SaveMember());
    const qint64 id = s.lastId();
    const QString folder = s.env.folder() + QLatin1Char('/');
    QCOMPARE(QImageReader(folder + QString::number(id) + ".jpg").format(), QByteArray("jpeg"));

    s.form->LoadMember(id);
    s.click(s.control<QPushButton>("btnLoadPic"));
    QVERIFY(s.form->SaveMember());
    QCOMPARE(s.row(id)["Picture"].toString(), QString::number(id) + ".png");
    QCOMPARE(QImage(folder + QString::number(id) + ".png").size(), QSize(124, 165));
    QCOMPARE(QImage(folder + QString::number(id) + ".jpg").size(), QSize(165, 124));
}

void TestMemberEntry::pictureNotStoredOrRemoved_data()
{
    QTest::addColumn<bool>("stored"); // a picture is stored; otherwise one is loaded
    QTest::addColumn<bool>("remove"); // "Remove Picture" pressed
    QTest::addColumn<bool>("folderMissing");
    QTest::newRow("folder missing") << false << false << true;
    QTest::newRow("stored picture removed") << true << true << false;
    QTest::newRow("loaded picture removed") << false << true << false;
}

void TestMemberEntry::pictureNotStoredOrRemoved()
{
    QFETCH(bool, stored);
    QFETCH(bool, remove);
    QFETCH(bool, folderMissing);
    Screen s;
    const QString source = s.env.dir.filePath(QStringLiteral("p.png"));
    QVERIFY(picture(200, 200).save(source));
    s.env.files.answers = { source };
    if (stored) {
        QVERIFY(QFile::copy(source, ctx().settings.pictureFolder + "1.png"));
        s.env.db().exec(QStringLiteral("UPDATE Member SET Picture = '1.png' WHERE ID = ?"), { s.clerk });
    }
    s.form->LoadMember(s.clerk);
    if (!stored)
        s.click(s.control<QPushButton>("btnLoadPic"));
    if (remove)
        s.click(s.control<QPushButton>("btnRemovePic"));
    QCOMPARE(s.control<QPushButton>("btnRemovePic")->isEnabled(), !remove);
    const QString folder = s.env.dir.filePath(QStringLiteral("no-such-folder/"));
    if (folderMissing)
        ctx().settings.pictureFolder = folder;
    s.control<QLineEdit>("txtCity")->setText(QStringLiteral("Memphis"));

    s.click(s.control<QPushButton>("btnSaveClose"));
    QApplication::processEvents();
    // The person is saved and the screen closes; a picture not stored is reported by its folder.
    QCOMPARE(s.row(s.clerk)["City"].toString(), QStringLiteral("Memphis"));
    QVERIFY(s.row(s.clerk)["Picture"].isNull());
    QCOMPARE(s.env.messages.count(), folderMissing ? 1 : 0);
    if (folderMissing)
        QVERIFY(s.env.messages.last().text.contains("the picture was not stored in the picture folder \""
                                                         + QDir::toNativeSeparators(folder)));
}

void TestMemberEntry::pictureMissingFileLeavesBoxEmpty()
{
    Screen s;
    s.env.db().exec(
        QStringLiteral("UPDATE Member SET Picture = ? WHERE ID = ?"), { QString::number(s.clerk) + ".jpg", s.clerk });
    s.form->LoadMember(s.clerk);
    QCOMPARE(s.env.messages.count(), 0);
    QVERIFY(s.control<QLabel>("imgPic")->pixmap().isNull());
    QCOMPARE(s.control<QLineEdit>("txtFName")->text(), QStringLiteral("Clara"));
}

QTEST_MAIN(TestMemberEntry)
#include "tst_memberentry.moc"
