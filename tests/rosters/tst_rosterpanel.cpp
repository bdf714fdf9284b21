#include "RealMessageBoxes.h"
#include "TestSupport.h"

#include "app/Permissions.h"
#include "rosters/RosterPanel.h"

#include <QtTest>
#include <QtWidgets>

using namespace pw;
using namespace pw::rosters;

// Helen, down as an usher on 3/8 and 3/22, would serve every other week; today is Sunday 3/15/2026.
struct Serving {
    test::TestEnv env;
    RosterPanel panel;
    qint64 helen = 0, usher = 0;

    explicit Serving(const QString& permission = perm::MemberEntry, bool shown = true)
    {
        env.loginWithOnly(permission);
        helen = env.addMember(QStringLiteral("Helen"), QStringLiteral("Hale"));
        usher = savePosition(env.db(), { 0, QStringLiteral("Usher"), QStringLiteral("WS"), 2, {}, 1, true });
        setPreference(env.db(), helen, usher, Frequency::Fortnightly);
        env.db().exec(
            QStringLiteral("INSERT INTO Roster_Assignment (Position_ID, Serve_Date, Member_ID) VALUES (?, ?, ?), "
                           "(?, ?, ?)"),
            { usher, QStringLiteral("2026-03-08"), helen, usher, QStringLiteral("2026-03-22"), helen });
        panel.showPerson(shown ? helen : 0);
    }
    QString said() const { return env.messages.last().text; }
    QString stored(const char* sql) { return env.db().texts(QString::fromLatin1(sql)).join(QLatin1Char(',')); }
    template <class T> T* at(const char* name) { return test::control<T>(&panel, name); }
};

class TestRosterPanel : public QObject {
    Q_OBJECT
private slots:
    // Enter in the note adds the time away; a real message box refusing an
    // end before the start gives the focus back to the end date.
    void enterInTheNoteAndARefusal()
    {
        Serving s;
        test::RealMessageBoxes boxes;
        s.panel.show();
        s.panel.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.panel));
        s.at<QDateEdit>("dtAwayFrom")->setDate(QDate(2026, 3, 20));
        s.at<QCheckBox>("chkAwayTo")->setChecked(true);
        s.at<QDateEdit>("dtAwayTo")->setDate(QDate(2026, 3, 19));
        auto* note = s.at<QLineEdit>("txtAwayNote");
        note->setFocus();
        QTest::keyClicks(note, QStringLiteral("away"));
        QTest::keyClick(note, Qt::Key_Return);
        QCOMPARE(boxes.shown,
            QStringList { QStringLiteral("Serving: The time away ends on 3/19/2026, before it starts on 3/20/2026.") });
        QTRY_VERIFY(s.at<QDateEdit>("dtAwayTo")->hasFocus());
        s.at<QDateEdit>("dtAwayTo")->setDate(QDate(2026, 3, 27));
        note->setFocus();
        QTest::keyClick(note, Qt::Key_Return);
        QCOMPARE(s.stored("SELECT From_Date || ' ' || To_Date || ' ' || Note FROM Roster_Unavailable"),
            QStringLiteral("2026-03-20 2026-03-27 away"));
    }

    void timeAway_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to"); // invalid: no "to"
        QTest::addColumn<int>("repeats");
        QTest::addColumn<QString>("shown"); // the line listed, or the refusal
        QTest::newRow("a week") << QDate(2026, 3, 20) << QDate(2026, 3, 27) << 0 << "3/20/2026 to 3/27/2026";
        QTest::newRow("fortnightly") << QDate(2026, 3, 8) << QDate(2026, 6, 28) << 2
                                     << "Every other Sunday from 3/8/2026 until 6/28/2026";
        QTest::newRow("to before from") << QDate(2026, 3, 20) << QDate(2026, 3, 19) << 0
                                        << "The time away ends on 3/19/2026, before it starts on 3/20/2026.";
    }

    void timeAway()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(int, repeats);
        QFETCH(QString, shown);
        Serving s;
        s.at<QDateEdit>("dtAwayFrom")->setDate(from);
        s.at<QCheckBox>("chkAwayTo")->setChecked(to.isValid());
        s.at<QDateEdit>("dtAwayTo")->setDate(to);
        s.at<QComboBox>("cmbRepeats")->setCurrentIndex(repeats);
        s.at<QPushButton>("btnAddAway")->click();
        auto* away = s.at<QTreeWidget>("grdAway");
        QCOMPARE(away->topLevelItemCount() ? away->topLevelItem(0)->text(0) : s.said(), shown);
        away->setCurrentItem(away->topLevelItem(0));
        s.at<QPushButton>("btnRemoveAway")->click();
        QCOMPARE(s.stored("SELECT COUNT(*) FROM Roster_Unavailable"), QStringLiteral("0"));
    }

    // Only the coming turn is listed; it is confirmed, then taken off after a No and a Yes.
    void comingTurn()
    {
        Serving s;
        auto* turns = s.at<QTreeWidget>("grdServing");
        QCOMPARE(turns->topLevelItemCount(), 1);
        turns->setCurrentItem(turns->topLevelItem(0));
        s.at<QPushButton>("btnConfirmTurn")->click();
        QCOMPARE(s.stored("SELECT Confirmed FROM Roster_Assignment ORDER BY Serve_Date"), QStringLiteral("0,1"));
        s.env.messages.answers = { Answer::No, Answer::Yes };
        for (const QString& left : QStringList { "2026-03-08,2026-03-22", "2026-03-08" }) {
            turns->setCurrentItem(turns->topLevelItem(0));
            s.at<QPushButton>("btnRemoveTurn")->click();
            QCOMPARE(s.said(), QStringLiteral("Take Hale, Helen off the roster for Usher on 3/22/2026?"));
            QCOMPARE(s.stored("SELECT Serve_Date FROM Roster_Assignment ORDER BY Serve_Date"), left);
        }
    }

    void preference_data()
    {
        QTest::addColumn<QString>("permission");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("stored");
        QTest::newRow("every week") << perm::MemberEntry << true << 1 << "Weekly";
        QTest::newRow("none") << perm::MemberEntry << true << 0 << "";
        QTest::newRow("Member View only") << perm::MemberView << true << 1 << "Fortnightly";
        QTest::newRow("nobody shown") << perm::MemberEntry << false << 1 << "Fortnightly";
    }

    // The preference is written at once; without "Member Entry/Edit" nothing can change.
    void preference()
    {
        QFETCH(QString, permission);
        QFETCH(bool, shown);
        QFETCH(int, choice);
        QFETCH(QString, stored);
        Serving s(permission, shown);
        const bool may = shown && permission == perm::MemberEntry;
        for (const char* name : { "btnConfirmTurn", "btnRemoveTurn", "dtAwayFrom", "btnAddAway", "btnRemoveAway" })
            QCOMPARE(s.at<QWidget>(name)->isEnabled(), may);
        auto* list = s.at<QTreeWidget>("grdPreferences");
        if (!shown)
            return;
        auto* box = qobject_cast<QComboBox*>(list->itemWidget(list->topLevelItem(0), 2));
        QCOMPARE(box->currentText(), QStringLiteral("Every other week"));
        QCOMPARE(box->isEnabled(), may);
        box->setCurrentIndex(choice);
        emit box->activated(choice);
        QCOMPARE(s.stored("SELECT Frequency FROM Roster_Preference"), stored);
    }
};

QTEST_MAIN(TestRosterPanel)
#include "tst_rosterpanel.moc"
