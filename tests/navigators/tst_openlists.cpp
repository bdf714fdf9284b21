#include "Screens.h"

#include "app/Workspace.h"
#include "attendance/Screens.h"
#include "data/Sql.h"
#include "members/Screens.h"
#include "navigators/Screens.h"
#include "outreach/Screens.h"
#include "reports/Screens.h"

#include <QComboBox>
#include <QtTest>

using namespace pw;

namespace {

// What another window adds: a Sunday School class, a care group, a
// responsibility or a person. Returns the new row's identifier (0 for a
// responsibility, which is listed by its text "Greeter").
qint64 addElsewhere(test::MainWindowFixture& f, const QString& what)
{
    Database& db = f.env.db();
    Workspace& ws = *f.main.workspace();
    qint64 id = 0;
    if (what == QLatin1String("class")) {
        id = db.insert(QStringLiteral("INSERT INTO Sunday_School (Name) VALUES ('Young Adults')") + sql::returningId());
    } else if (what == QLatin1String("group")) {
        const qint64 leader = f.env.addMember(QStringLiteral("Lee"), QStringLiteral("Leader"));
        id = db.insert(
            QStringLiteral("INSERT INTO Care_Group (Group_Leader) VALUES (?)") + sql::returningId(), { leader });
    } else if (what == QLatin1String("responsibility")) {
        db.exec(QStringLiteral("INSERT INTO Responsibilities (Name, Description) VALUES ('Greeter', '')"));
    } else {
        id = f.env.addMember(QStringLiteral("Vera"), QStringLiteral("Visitor"), QStringLiteral("Prospect"));
        emit ws.membersChanged();
        return id;
    }
    emit ws.lookupsChanged();
    return id;
}

} // namespace

// A pick list of an open window shows what another window adds, and keeps
// the entry chosen in it.
class TestOpenLists : public QObject {
    Q_OBJECT
private slots:
    void listsShowWhatOthersAdd_data();
    void listsShowWhatOthersAdd();
};

void TestOpenLists::listsShowWhatOthersAdd_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("added");
    QTest::newRow("roll call, classes") << "frmAttendanceEntry"
                                        << "cmbClass"
                                        << "class";
    QTest::newRow("member navigator, responsibilities") << "frmMemberNavigator"
                                                        << "cmbResponsibility"
                                                        << "responsibility";
    QTest::newRow("prospect navigator, care groups") << "frmProspectNavigator"
                                                     << "cmbCG"
                                                     << "group";
    QTest::newRow("member screen, people") << "frmMemberEntry"
                                           << "cmbMember"
                                           << "person";
    QTest::newRow("report window, people") << "frmMemberInformationUpdateReport"
                                           << "cmbProspect"
                                           << "person";
}

void TestOpenLists::listsShowWhatOthersAdd()
{
    QFETCH(QString, window);
    QFETCH(QString, list);
    QFETCH(QString, added);
    test::MainWindowFixture f;
    reports::registerScreens(*f.main.workspace());
    outreach::registerScreens(*f.main.workspace());
    members::registerScreens(*f.main.workspace());
    navigators::registerScreens(*f.main.workspace());
    attendance::registerScreens(*f.main.workspace());
    Database& db = f.env.db();
    const qint64 ann = f.env.addMember(QStringLiteral("Ann"), QStringLiteral("Ames"));
    db.exec(QStringLiteral("INSERT INTO Sunday_School (Name) VALUES ('Adults')"));
    db.exec(QStringLiteral("INSERT INTO Care_Group (Group_Leader) VALUES (?)"), { ann });
    db.exec(QStringLiteral("INSERT INTO Responsibilities (Name, Description) VALUES ('Usher', '')"));
    f.env.loginAs(ann, QStringLiteral("Admin"), QStringLiteral("ann"));
    f.main.show();

    QWidget* screen = f.open(window);
    QVERIFY(screen);
    auto* combo = test::control<QComboBox>(screen, list);
    // An entry chosen before the change: the last one listed.
    QVERIFY(combo->count() > 0);
    combo->setCurrentIndex(combo->count() - 1);
    const QString chosen = combo->currentText();
    const int before = combo->count();

    const qint64 id = addElsewhere(f, added);

    QCOMPARE(combo->count(), before + 1);
    QVERIFY(id > 0 ? combo->findData(id) >= 0 : combo->findText(QStringLiteral("Greeter")) >= 0);
    QCOMPARE(combo->currentText(), chosen);
}

QTEST_MAIN(TestOpenLists)
#include "tst_openlists.moc"
