// The church directory's window and the member screen's directory choices.

#include "TestSupport.h"
#include "directory/DirectoryPanel.h"
#include "directory/frmChurchDirectory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QImage>
#include <QListWidget>
#include <QPushButton>

#include <QtTest>

using namespace pw;
using namespace pw::directory;
using namespace pw::test;

static void tick(frmChurchDirectory& w, const QString& status, Qt::CheckState state)
{
    control<QListWidget>(&w, "lstStatuses")->findItems(status, Qt::MatchExactly).value(0)->setCheckState(state);
}

class TestChurchDirectory : public QObject {
    Q_OBJECT
private slots:
    void choiceFromControls_data()
    {
        QTest::addColumn<QStringList>("ticked"); // besides "Active", ticked when the window opens
        QTest::addColumn<QList<qint64>>("found");
        QTest::addColumn<bool>("options"); // birthdays, A4, 4 per page
        QTest::addColumn<QStringList>("statuses");
        QTest::newRow("as it opens") << QStringList() << QList<qint64>() << false << QStringList { "Active" };
        QTest::newRow("statuses ticked, birthdays, A4, 4 per page") << QStringList { "Inactive",
            "Homebound" } << QList<qint64>() << true << QStringList { "Active", "Homebound", "Inactive" };
        QTest::newRow("people found") << QStringList() << QList<qint64> { 7, 3 } << true << QStringList();
    }
    void choiceFromControls()
    {
        QFETCH(QStringList, ticked);
        QFETCH(QList<qint64>, found);
        QFETCH(bool, options);
        TestEnv env;
        frmChurchDirectory w;
        for (const QString& status : ticked)
            tick(w, status, Qt::Checked);
        if (!found.isEmpty())
            w.showPeople(found);
        control<QCheckBox>(&w, "chkBirthdays")->setChecked(options);
        control<QComboBox>(&w, "cmbPaper")->setCurrentText(options ? "A4" : "Letter");
        control<QComboBox>(&w, "cmbPerPage")->setCurrentText(options ? "4 per page" : "2 per page");
        const Choice c = w.choice();
        QTEST(c.churchStatuses, "statuses");
        QCOMPARE(c.people, found);
        QCOMPARE(QList<bool>({ c.birthdays, c.a4, c.perPage == 4 }), QList<bool>({ options, options, options }));
        control<QPushButton>(&w, "btnPreview")->click();
        QCOMPARE(int(env.output.previewed.size()), 1);
    }
    void nothingChosen_data()
    {
        QTest::addColumn<bool>("found");
        QTest::newRow("no status ticked") << false;
        QTest::newRow("nobody found") << true;
    }
    void nothingChosen()
    {
        QFETCH(bool, found);
        TestEnv env;
        frmChurchDirectory w;
        tick(w, "Active", Qt::Unchecked);
        if (found)
            w.showPeople({});
        control<QPushButton>(&w, found ? "btnPrint" : "btnPdf")->click();
        QCOMPARE(env.messages.last().text, QStringLiteral("No people are chosen for the directory."));
        QCOMPARE(env.output.count() + env.files.asked.size(), 0);
    }
    void pdfWrittenToChosenFile()
    {
        TestEnv env;
        frmChurchDirectory w;
        env.files.answers = QStringList { env.folder() + "/Our Church" };
        control<QPushButton>(&w, "btnPdf")->click();
        QCOMPARE(env.files.asked.value(0).kind, FileRequest::Kind::Pdf);
        QCOMPARE(QFileInfo(env.files.asked.value(0).path).fileName(), QStringLiteral("Church Directory.pdf"));
        QVERIFY(QFileInfo(env.folder() + "/Our Church.pdf").size() > 0);
    }
    void panelStoresListingAndPicture_data()
    {
        QTest::addColumn<bool>("mayChange"); // the row's name is the only permission held
        QTest::newRow("Member Entry/Edit") << true;
        QTest::newRow("Member View") << false;
    }
    void panelStoresListingAndPicture()
    {
        QFETCH(bool, mayChange);
        TestEnv env;
        env.loginWithOnly(QTest::currentDataTag());
        const qint64 head = env.addMember("Henry", "Hale");
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QVERIFY(image.save(env.folder() + "/beach.PNG", "PNG"));
        env.files.answers = QStringList { env.folder() + "/beach.PNG", env.folder() + "/beach.PNG" };
        DirectoryPanel panel;
        panel.showPerson(head, true);
        QCOMPARE(control<QComboBox>(&panel, "cmbDirectory")->isEnabled(), mayChange);
        if (mayChange)
            control<QComboBox>(&panel, "cmbDirectory")->setCurrentText("Leave out");
        control<QPushButton>(&panel, "btnLoadFamilyPic")->click();
        control<QPushButton>(&panel, "btnLoadFamilyPic")->click(); // the second picture replaces the first
        const QString name = QStringLiteral("family-%1.png").arg(head);
        QCOMPARE(env.messages.count(), 0);
        QCOMPARE(listingOf(env.db(), head), mayChange ? Listing::LeftOut : Listing::Listed);
        QCOMPARE(familyPictureOf(env.db(), head), mayChange ? name : QString());
        QCOMPARE(QFileInfo::exists(env.folder() + "/" + name), mayChange);
    }
};

QTEST_MAIN(TestChurchDirectory)
#include "tst_churchdirectory.moc"
