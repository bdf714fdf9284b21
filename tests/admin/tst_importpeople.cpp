#include "TestSupport.h"

#include "admin/Screens.h"
#include "app/MDI.h"
#include "app/Workspace.h"
#include "members/Screens.h"
#include "data/ChurchSettings.h"

#include <QAction>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace pw;
using test::control;

// File > Import People... as the office uses it: file, columns, choices,
// preview with a choice per duplicate, import.
class TestImportPeople : public QObject {
    Q_OBJECT
private slots:
    void adminOnly();
    void adminOnlyWhoeverOpens_data();
    void adminOnlyWhoeverOpens();
    void wholeWizard();
    void everyoneGetsTheRequiredFields();
};

namespace {

struct Setup {
    test::TestEnv env;
    MDI main;

    explicit Setup(const QString& type)
    {
        setWorkspace(main.workspace());
        admin::registerScreens(*main.workspace());
        env.loginAs(env.addMember(QStringLiteral("Ada"), QStringLiteral("Office")), type, QStringLiteral("ada"));
        main.show();
    }
    ~Setup() { setWorkspace(nullptr); }
    QWidget* screen() { return main.workspace()->find(QStringLiteral("frmImportPeople")); }
    void click(const char* name)
    {
        QTest::mouseClick(control<QPushButton>(screen(), name), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace

void TestImportPeople::adminOnly()
{
    Setup s(QStringLiteral("User"));
    s.main.command(QStringLiteral("ImportPeople"))->trigger();
    QCOMPARE(s.env.messages.last().text, QStringLiteral("Only an account of type \"Admin\" may import people."));
    QVERIFY(!s.screen());
}

// The Admin-only windows are guarded by their registration, so a screen or
// command that opens one by name is refused as the menu is.
void TestImportPeople::adminOnlyWhoeverOpens_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("import") << "frmImportPeople" << "Only an account of type \"Admin\" may import people.";
    QTest::newRow("merge") << "frmMergePeople" << "Only an account of type \"Admin\" may merge people.";
    QTest::newRow("duplicates") << "frmPossibleDuplicates" << "Only an account of type \"Admin\" may merge people.";
}

void TestImportPeople::adminOnlyWhoeverOpens()
{
    QFETCH(QString, window);
    QFETCH(QString, refusal);
    {
        Setup s(QStringLiteral("User"));
        members::registerScreens(*s.main.workspace());
        QVERIFY(!s.main.workspace()->open(window));
        QCOMPARE(s.env.messages.last().text, refusal);
        QCOMPARE(s.env.messages.last().title, QStringLiteral("Invalid Permission"));
    }
    Setup s(QStringLiteral("Admin"));
    members::registerScreens(*s.main.workspace());
    const int said = s.env.messages.entries.size();
    QVERIFY(s.main.workspace()->open(window));
    QCOMPARE(s.env.messages.entries.size(), said);
}

void TestImportPeople::wholeWizard()
{
    Setup s(QStringLiteral("Admin"));
    const qint64 hale = s.env.addMember(QStringLiteral("Margaret"), QStringLiteral("Hale"));
    s.env.db().exec(QStringLiteral("UPDATE Member SET Email = 'mh@example.org' WHERE ID = ?"), { hale });
    const QString csv = s.env.folder() + QStringLiteral("/roll.csv");
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Nom,Last Name,E-mail,Mobile\nMaggie,Hale,MH@example.org,555 111 2222\nRuth,Ames,,\nMargaret,Hale,"
               "mh@example.org,\n");
    file.close();

    s.main.command(QStringLiteral("ImportPeople"))->trigger();
    QVERIFY(s.screen());
    s.env.files.answers = { csv };
    s.click("btnBrowse");
    s.click("btnNext");
    // "Nom" is not a spelling the import knows: point it at First Name.
    auto* field = control<QComboBox>(s.screen(), "cmbField0");
    QCOMPARE(field->currentText(), QStringLiteral("(ignore)"));
    field->setCurrentIndex(field->findData(QStringLiteral("firstName")));
    const QString saved = s.env.folder() + QStringLiteral("/roll.json");
    s.env.files.answers = { saved };
    s.click("btnSaveMapping");
    field->setCurrentIndex(0);
    s.env.files.answers = { saved };
    s.click("btnLoadMapping");
    QCOMPARE(control<QComboBox>(s.screen(), "cmbField0")->currentData().toString(), QStringLiteral("firstName"));
    s.click("btnNext");
    s.click("btnNext");

    const QString preview = control<QPlainTextEdit>(s.screen(), "txtPreview")->toPlainText();
    QVERIFY2(preview.contains(QStringLiteral("Duplicates:         2\n")), qPrintable(preview));
    QCOMPARE(control<QTableWidget>(s.screen(), "tblDuplicates")->rowCount(), 2);
    // Line 2 fills the cell phone of the person already there; line 4 is skipped.
    auto* action = control<QComboBox>(s.screen(), "cmbAction2");
    action->setCurrentIndex(action->findText(QStringLiteral("Fill empty fields")));
    s.click("btnImport");

    QVERIFY2(control<QPlainTextEdit>(s.screen(), "txtReport")
                 ->toPlainText()
                 .contains(QStringLiteral("People added:                1")),
        qPrintable(control<QPlainTextEdit>(s.screen(), "txtReport")->toPlainText()));
    QCOMPARE(s.env.db().texts(QStringLiteral("SELECT First_Name || ' ' || COALESCE(Cell, '') FROM Member ORDER BY ID")),
        (QStringList { "Ada ", "Margaret 5551112222", "Ruth " }));
}

// The fields the member screen needs, given to everyone the file has none
// for; the church's Church status for new people offered first. Close
// leaves no empty frame behind.
void TestImportPeople::everyoneGetsTheRequiredFields()
{
    Setup s(QStringLiteral("Admin"));
    ChurchSettings::setValue(s.env.db(), ChurchSettings::kNewPersonChurchStatus, QStringLiteral("Inactive"));
    const QString csv = s.env.folder() + QStringLiteral("/roll.csv");
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("First Name,Last Name\nAnn,Hale\n");
    file.close();
    s.main.command(QStringLiteral("ImportPeople"))->trigger();
    s.env.files.answers = { csv };
    s.click("btnBrowse");
    s.click("btnNext");
    s.click("btnNext");
    QCOMPARE(control<QComboBox>(s.screen(), "cmbDefaultChurchStatus")->currentText(), QStringLiteral("Inactive"));
    for (const auto& [name, text] : { std::pair { "cmbDefaultProspectStatus", "Active" }, { "cmbDefaultGender", "Unknown" } }) {
        auto* list = control<QComboBox>(s.screen(), name);
        list->setCurrentIndex(list->findText(QString::fromLatin1(text)));
    }
    s.click("btnNext");
    const QString preview = control<QPlainTextEdit>(s.screen(), "txtPreview")->toPlainText();
    QVERIFY2(preview.contains(QStringLiteral("Given to every person without one: Member Status = Member, Church Status "
                                             "= Inactive, Prospect Status = Active, Gender = Unknown.\n")),
        qPrintable(preview));
    s.click("btnImport");
    s.click("btnClose");
    QVERIFY(s.main.workspace()->area()->subWindowList().isEmpty());
}

QTEST_MAIN(TestImportPeople)
#include "tst_importpeople.moc"
