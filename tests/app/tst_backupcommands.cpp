#include "FileConditions.h"
#include "OfficeFolder.h"
#include "Screens.h"

#include "app/BackupCommands.h"
#include "widgets/EditTracker.h"
#include "app/frmLogin.h"
#include "cli/BackupJobs.h"

#include <QAction>
#include <QLineEdit>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QtTest>

using namespace pw;

namespace {

// An editing screen with one box, to leave unsaved changes in.
class Form : public QWidget, public EditingScreen {
public:
    Form()
    {
        setObjectName(QStringLiteral("frmThing"));
        (new QVBoxLayout(this))->addWidget(name);
        tracker->watch(this);
        tracker->setSave([] { return false; });
    }
    EditTracker* editTracker() override { return tracker; }
    void saveKeepingRecord() override { }
    QLineEdit* name = new QLineEdit(this);
    EditTracker* tracker = new EditTracker(this, QStringLiteral("Thing Entry"));
};

// The main window, logged in, on a database of 30 people.
struct Main : test::MainWindowFixture {
    explicit Main(const QString& type = QStringLiteral("Admin"), test::Where where = test::Where::File)
        : MainWindowFixture(where)
    {
        addPeople(env.db(), 30);
        env.loginAs(env.addMember(QStringLiteral("Ada"), QStringLiteral("Admin")), type);
        main.unlock();
    }
    static void addPeople(Database& db, int count)
    {
        for (int i = 0; i < count; ++i)
            db.exec(QStringLiteral("INSERT INTO Member (First_Name, Last_Name) VALUES (?, 'Roll')"),
                { QStringLiteral("Person %1").arg(i) });
    }
    int people() { return env.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Member")).toInt(); }
    void run(const char* command) { main.command(QString::fromLatin1(command))->trigger(); }
    QString status() const { return main.statusBar()->currentMessage(); }
};

} // namespace

class TestBackupCommands : public QObject {
    Q_OBJECT
private slots:
    void sizeText_data();
    void sizeText();
    void onlyAdmin_data();
    void onlyAdmin();
    void backUp_data();
    void backUp();
    void restore_data();
    void restore();
    void serverKeepsItsOwnBackups_data();
    void serverKeepsItsOwnBackups();
};

void TestBackupCommands::sizeText_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("one byte") << Q_INT64_C(1) << "1 byte";
    QTest::newRow("under a kilobyte") << Q_INT64_C(1023) << "1023 bytes";
    QTest::newRow("a kilobyte") << Q_INT64_C(1024) << "1.0 KB";
    QTest::newRow("just under a megabyte rounds up to it") << Q_INT64_C(1048575) << "1.0 MB";
    QTest::newRow("the demo church") << Q_INT64_C(58925056) << "56.2 MB";
    QTest::newRow("gigabytes") << Q_INT64_C(5) * 1024 * 1024 * 1024 << "5.0 GB";
}

void TestBackupCommands::sizeText()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(backups::sizeText(bytes), text);
}

void TestBackupCommands::onlyAdmin_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("refusal");
    for (const char* type : { "User", "admin" }) {
        QTest::addRow("back up, %s", type)
            << "BackUpDatabase" << type << "Only an account of type \"Admin\" may back up the database.";
        QTest::addRow("restore, %s", type)
            << "RestoreDatabase" << type << "Only an account of type \"Admin\" may restore the database.";
    }
}

void TestBackupCommands::onlyAdmin()
{
    QFETCH(QString, command);
    QFETCH(QString, type);
    QFETCH(QString, refusal);
    Main m(type);
    m.main.command(command)->trigger();
    QCOMPARE(m.env.messages.count(), 1);
    QCOMPARE(m.env.messages.last().text, refusal);
    QCOMPARE(m.env.messages.last().title, QStringLiteral("Invalid Permission"));
    QCOMPARE(m.env.messages.last().icon, Icon::Warning);
    QVERIFY(m.env.files.asked.isEmpty());
}

void TestBackupCommands::backUp_data()
{
    QTest::addColumn<QString>("answer"); // "<cancel>", a name in the test folder, "<database>"
    QTest::addColumn<QString>("error"); // empty: backed up

    QTest::newRow("cancelled") << "<cancel>"
                               << "";
    QTest::newRow("new file") << "copy.sqlite"
                              << "";
    QTest::newRow("existing file the dialog asked to replace") << "old-copy.sqlite"
                                                               << "";
    QTest::newRow("the database itself") << "<database>"
                                         << "cannot be written over the database";
}

void TestBackupCommands::backUp()
{
    QFETCH(QString, answer);
    QFETCH(QString, error);
    Main m;
    const QString target = answer == QLatin1String("<database>") ? m.env.db().path()
        : answer == QLatin1String("<cancel>")                    ? QString()
                                                                 : m.env.dir.filePath(answer);
    QFile(m.env.dir.filePath(QStringLiteral("old-copy.sqlite"))).open(QIODevice::WriteOnly);
    m.env.files.answers = { target };
    const QByteArray before = test::fileHash(m.env.db().path());
    m.run("BackUpDatabase");

    QCOMPARE(m.env.files.asked.size(), 1);
    const FileRequest asked = m.env.files.asked.first();
    QCOMPARE(asked.kind, FileRequest::Kind::Save);
    QCOMPARE(asked.caption, QStringLiteral("Back Up Database"));
    QCOMPARE(QFileInfo(asked.path).fileName(), QStringLiteral("test-2026-03-15.sqlite"));
    if (answer == QLatin1String("<cancel>")) {
        QCOMPARE(m.env.messages.count(), 0);
        return;
    }
    QCOMPARE(m.env.messages.count(), 1);
    if (!error.isEmpty()) {
        QCOMPARE(m.env.messages.last().title, QStringLiteral("Pewlark"));
        QVERIFY2(m.env.messages.last().text.contains(error), qPrintable(m.env.messages.last().text));
        QCOMPARE(test::fileHash(m.env.db().path()), before);
        return;
    }
    const QString size = backups::sizeText(QFileInfo(target).size());
    QCOMPARE(m.env.messages.last().text,
        QStringLiteral("The database was backed up to \"%1\" (%2). No person has a picture, so no pictures were "
                       "copied.")
            .arg(QDir::toNativeSeparators(target), size));
    QCOMPARE(m.env.messages.last().icon, Icon::Information);
    QCOMPARE(m.status(),
        QStringLiteral("Backed up the database to %1 (%2, 0 pictures).").arg(QDir::toNativeSeparators(target), size));
    QCOMPARE(Database::open(target, Database::OpenMode::ExistingOnly)
                 ->scalar(QStringLiteral("SELECT COUNT(*) FROM Member"))
                 .toInt(),
        m.people());
    // The next backup is offered in the same folder.
    m.run("BackUpDatabase");
    QCOMPARE(QFileInfo(m.env.files.asked.last().path).absolutePath(), m.env.dir.path());
}

void TestBackupCommands::restore_data()
{
    QTest::addColumn<QString>("offered"); // good, damaged, <cancel>
    QTest::addColumn<QString>("answers"); // to the question, then to "Save changes to ...?" ("" none)
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<QString>("error");

    QTest::newRow("good backup") << "good"
                                 << "Yes" << true << "";
    QTest::newRow("good backup, unsaved changes discarded") << "good"
                                                            << "Yes,Discard" << true << "";
    QTest::newRow("good backup, unsaved changes kept") << "good"
                                                       << "Yes,Cancel" << false << "";
    QTest::newRow("the question answered No") << "good"
                                              << "No" << false << "";
    QTest::newRow("dialog cancelled") << "<cancel>"
                                      << "" << false << "";
    QTest::newRow("damaged backup") << "damaged"
                                    << "" << false << "is damaged";
}

void TestBackupCommands::restore()
{
    QFETCH(QString, offered);
    QFETCH(QString, answers);
    QFETCH(bool, replaced);
    QFETCH(QString, error);
    Main m;
    const QString backup = m.env.dir.filePath(QStringLiteral("sunday.sqlite"));
    test::makeChurch(backup, 5);
    if (offered == QLatin1String("damaged")) {
        QFile f(backup);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.seek(4096));
        f.write(QByteArray(8192, '\x5a'));
    }
    m.env.files.answers = { offered == QLatin1String("<cancel>") ? QString() : backup };
    auto* form = new Form;
    m.main.workspace()->add(form);
    if (answers.contains(QLatin1Char(',')))
        form->name->setText(QStringLiteral("half-typed"));
    const QStringList said = answers.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (!said.isEmpty())
        m.env.messages.answers = { said.first() == QLatin1String("Yes") ? Answer::Yes : Answer::No };
    m.env.messages.choices = said.mid(1);
    const int before = m.people();

    m.run("RestoreDatabase");
    QCoreApplication::processEvents();

    QCOMPARE(m.env.files.asked.size(), 1);
    QCOMPARE(m.env.files.asked.first().kind, FileRequest::Kind::Open);
    const QStringList copies = QDir(m.env.folder()).entryList({ QStringLiteral("test.before-restore-*") });
    if (!replaced) {
        QCOMPARE(m.people(), before);
        QVERIFY(copies.isEmpty());
        QCOMPARE(m.main.workspace()->find(QStringLiteral("frmThing")), form);
        QVERIFY(m.main.command(QStringLiteral("MemberEntry"))->isEnabled());
        if (!error.isEmpty()) {
            QCOMPARE(m.env.messages.count(), 1); // no question before the refusal
            QCOMPARE(m.env.messages.last().title, QStringLiteral("Pewlark"));
            QVERIFY2(m.env.messages.last().text.contains(QDir::toNativeSeparators(backup)),
                qPrintable(m.env.messages.last().text));
            QVERIFY2(m.env.messages.last().text.contains(error), qPrintable(m.env.messages.last().text));
        }
        return;
    }
    QCOMPARE(m.people(), 5);
    QCOMPARE(copies, QStringList { QStringLiteral("test.before-restore-2026-03-15-103000.sqlite") });
    QCOMPARE(Database::open(m.env.dir.filePath(copies.first()), Database::OpenMode::ExistingOnly)
                 ->scalar(QStringLiteral("SELECT COUNT(*) FROM Member"))
                 .toInt(),
        before);
    QVERIFY(!m.main.workspace()->find(QStringLiteral("frmThing")));
    // The restored database needs a new login.
    QVERIFY(m.main.workspace()->find<frmLogin>());
    QVERIFY(!m.main.command(QStringLiteral("MemberEntry"))->isEnabled());
    QVERIFY(!m.main.command(QStringLiteral("RestoreDatabase"))->isEnabled());
    QVERIFY(m.main.command(QStringLiteral("Exit"))->isEnabled());
    QCOMPARE(m.env.messages.last().icon, Icon::Information);
    QCOMPARE(m.env.messages.last().text,
        QStringLiteral("The database \"%1\" was restored from the backup \"%2\" (%3). No pictures lie beside the "
                       "backup (\"%4\"), so the pictures were left as they are. The database as it was before is kept "
                       "as \"%5\". Log in again to go on.")
            .arg(QDir::toNativeSeparators(m.env.db().path()), QDir::toNativeSeparators(backup),
                backups::sizeText(QFileInfo(m.env.db().path()).size()),
                QDir::toNativeSeparators(m.env.dir.filePath(QStringLiteral("sunday-pictures"))),
                QDir::toNativeSeparators(m.env.dir.filePath(copies.first()))));
    QCOMPARE(m.status(), QStringLiteral("Restored the database from %1.").arg(QDir::toNativeSeparators(backup)));
}

void TestBackupCommands::serverKeepsItsOwnBackups_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("back up") << "BackUpDatabase";
    QTest::newRow("restore") << "RestoreDatabase";
}

// On a server the File menu's commands and --backup/--restore point to the
// server's own tools for the database and change nothing there; backing up
// still copies the pictures.
void TestBackupCommands::serverKeepsItsOwnBackups()
{
    QFETCH(QString, command);
    if (!test::onServer())
        QSKIP("no test server (PEWLARK_TEST_POSTGRES)");
    Main m(QStringLiteral("Admin"), test::Where::Configured);
    const bool backingUp = command == QLatin1String("BackUpDatabase");
    m.env.db().exec(QStringLiteral("UPDATE Member SET Picture = '7.jpg' WHERE ID = (SELECT MIN(ID) FROM Member)"));
    QFile(m.env.dir.filePath(QStringLiteral("7.jpg"))).open(QIODevice::WriteOnly);
    const QString chosen = m.env.dir.filePath(QStringLiteral("pictures-copy"));
    m.env.files.answers = { chosen };
    m.main.command(command)->trigger();
    QCOMPARE(m.env.messages.count(), 1);
    const QString text = m.env.messages.last().text;
    QVERIFY2(text.startsWith(QStringLiteral("This church is kept in %1.").arg(m.env.db().displayName()))
            && text.contains(QLatin1String("pg_dump")),
        qPrintable(text));
    QCOMPARE(m.env.files.asked.size(), backingUp ? 1 : 0);
    QCOMPARE(QDir(chosen).entryList(QDir::Files), backingUp ? QStringList { "7.jpg" } : QStringList {});
    QCOMPARE(m.people(), 31);

    const QString config = QDir(m.env.folder()).filePath(QStringLiteral("config.txt"));
    QFile file(config);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("Pewlark configuration\nDatabase,\"%1\"\nPictureFolder,\"%2/\"\n")
                   .arg(m.env.db().path(), m.env.folder())
                   .toUtf8());
    file.close();
    const QString target = QDir(m.env.folder()).filePath(QStringLiteral("copy.sqlite"));
    const int code
        = backingUp ? cli::runBackupCommand(config, target) : cli::runRestoreCommand(config, target, m.env.clock);
    QCOMPARE(code, backingUp ? 0 : 1);
    QVERIFY(!QFileInfo::exists(target));
    QCOMPARE(QDir(backup::picturesFolderFor(target)).entryList(QDir::Files),
        backingUp ? QStringList { "7.jpg" } : QStringList {});
    QCOMPARE(m.people(), 31);
}

QTEST_MAIN(TestBackupCommands)
#include "tst_backupcommands.moc"
