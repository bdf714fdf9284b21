#include "Screens.h"

#include "app/Workspace.h"
#include "attendance/Screens.h"
#include "members/Screens.h"
#include "navigators/Screens.h"
#include "outreach/Screens.h"
#include "reports/Screens.h"

#include <QComboBox>
#include <QtTest>

using namespace pw;

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
    QTest::addColumn<QString>("insert"); // what the other window stores; empty: the person Visitor, Vera
    QTest::addColumn<QString>("shown"); // the new entry's text, as it starts
    const QString newClass = QStringLiteral("INSERT INTO Sunday_School (Name) VALUES ('Young Adults')");
    QTest::newRow("roll call, classes") << "frmAttendanceEntry"
                                        << "cmbClass" << newClass << "Young Adults";
    QTest::newRow("member navigator, responsibilities")
        << "frmMemberNavigator"
        << "cmbResponsibility"
        << "INSERT INTO Responsibilities (Name, Description) VALUES ('Greeter', '')"
        << "Greeter";
    QTest::newRow("prospect navigator, classes") << "frmProspectNavigator"
                                                 << "cmbSSClass" << newClass << "Young Adults";
    QTest::newRow("member screen, people") << "frmMemberEntry"
                                           << "cmbMember"
                                           << ""
                                           << "Visitor, Vera";
    QTest::newRow("report window, people") << "frmMemberInformationUpdateReport"
                                           << "cmbProspect"
                                           << ""
                                           << "Visitor, Vera";
}

void TestOpenLists::listsShowWhatOthersAdd()
{
    QFETCH(QString, window);
    QFETCH(QString, list);
    QFETCH(QString, insert);
    QFETCH(QString, shown);
    test::MainWindowFixture f;
    Workspace& ws = *f.main.workspace();
    for (auto registerScreens : { reports::registerScreens, outreach::registerScreens, members::registerScreens,
             navigators::registerScreens, attendance::registerScreens })
        registerScreens(ws);
    const qint64 ann = f.env.addMember(QStringLiteral("Ann"), QStringLiteral("Ames"));
    f.env.db().exec(QStringLiteral("INSERT INTO Sunday_School (Name) VALUES ('Adults')"));
    f.env.db().exec(QStringLiteral("INSERT INTO Responsibilities (Name, Description) VALUES ('Usher', '')"));
    f.env.loginAs(ann, QStringLiteral("Admin"), QStringLiteral("ann"));
    f.main.show();
    QWidget* screen = f.open(window);
    QVERIFY(screen);
    auto* combo = test::control<QComboBox>(screen, list);
    QVERIFY(combo->count() > 0);
    combo->setCurrentIndex(combo->count() - 1);
    const QString chosen = combo->currentText();
    const int before = combo->count();

    if (insert.isEmpty()) {
        f.env.addMember(QStringLiteral("Vera"), QStringLiteral("Visitor"), QStringLiteral("Prospect"));
        emit ws.membersChanged();
    } else {
        f.env.db().exec(insert);
        emit ws.lookupsChanged();
    }

    QCOMPARE(combo->count(), before + 1);
    QVERIFY(combo->findText(shown, Qt::MatchStartsWith) >= 0);
    QCOMPARE(combo->currentText(), chosen);
}

QTEST_MAIN(TestOpenLists)
#include "tst_openlists.moc"
