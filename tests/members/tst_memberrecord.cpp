#include "TestSupport.h"
#include "data/Members.h"
#include "data/Sql.h"
#include "members/MemberRecord.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <sqlite3.h>

using namespace pw;
using namespace pw::members;
using test::TestEnv;

namespace {

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        throw Error(QStringLiteral("The picture could not be written to \"%1\".").arg(path));
    f.write(content);
}

// Another workstation reading in the middle of its own transaction: this
// connection can start its change but cannot commit it.
struct OtherReader {
    sqlite3* h = nullptr;
    explicit OtherReader(const QString& path)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &h, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_exec(h, "BEGIN; SELECT COUNT(*) FROM Member", nullptr, nullptr, nullptr);
    }
    ~OtherReader()
    {
        sqlite3_exec(h, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(h);
    }
};

} // namespace

class TestMemberRecord : public QObject {
    Q_OBJECT
private slots:
    void pictureFollowsTheCommit_data();
    void pictureFollowsTheCommit();
    void conflictIsAskedAbout();
};

void TestMemberRecord::pictureFollowsTheCommit_data()
{
    QTest::addColumn<bool>("oldPicture"); // the person has 12.png already
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QByteArray>("fileAfter");
    QTest::addColumn<QString>("columnAfter");

    QTest::newRow("first picture saved") << false << "" << QByteArray("NEW") << "ID.png";
    QTest::newRow("picture replaced") << true << "" << QByteArray("NEW") << "ID.png";
    QTest::newRow("commit fails: the old picture stays") << true << "commit" << QByteArray("OLD") << "ID.png";
    QTest::newRow("commit fails: no first picture") << false << "commit" << QByteArray("<missing>") << "";
    QTest::newRow("picture not written: person saved") << true << "write" << QByteArray("OLD") << "ID.png";
}

void TestMemberRecord::pictureFollowsTheCommit()
{
    QFETCH(bool, oldPicture);
    QFETCH(QString, failure);
    QFETCH(QByteArray, fileAfter);
    QFETCH(QString, columnAfter);
    TestEnv env;
    env.loginAs(1, QStringLiteral("Admin"), QStringLiteral("clerk"));
    env.db().setLockWaitLimit(100);
    const qint64 id = env.addMember(QStringLiteral("Ruth"), QStringLiteral("Baker"));
    const QString folder = ctx().settings.pictureFolder;
    const QString fileName = QString::number(id) + QStringLiteral(".png");
    if (oldPicture) {
        writeFile(folder + fileName, "OLD");
        env.db().exec(QStringLiteral("UPDATE Member SET Picture = ? WHERE ID = ?"), { fileName, id });
    }

    MemberRecord record = *Members::load(env.db(), id);
    record.city = QStringLiteral("Memphis");
    SaveOptions options;
    options.pictureType = QStringLiteral("png");
    QStringList writtenTo;
    options.writePicture = [&](const QString& name) {
        writtenTo.append(name);
        if (failure == QLatin1String("write"))
            throw Error(QStringLiteral("The picture could not be written."));
        writeFile(folder + name, "NEW");
    };
    std::unique_ptr<OtherReader> other;
    if (failure == QLatin1String("commit")) {
        if (test::onServer())
            env.failCommitsAfterUpdating(QStringLiteral("Member"));
        else
            other = std::make_unique<OtherReader>(env.db().path());
    }

    QString error;
    SaveResult result;
    try {
        result = saveMember(record, options);
    } catch (const std::exception& e) {
        error = QString::fromUtf8(e.what());
    }
    other.reset();

    const bool saved = failure != QLatin1String("commit");
    QCOMPARE(error.isEmpty(), saved);
    QCOMPARE(result.pictureNotStored.isEmpty(), failure != QLatin1String("write"));
    QCOMPARE(writtenTo.size(), 1);
    // An old picture is never overwritten before the commit.
    QCOMPARE(writtenTo.first() == fileName, !oldPicture);
    QCOMPARE(readFile(folder + fileName), fileAfter);
    QCOMPARE(sql::toText(env.db().scalar(QStringLiteral("SELECT Picture FROM Member WHERE ID = ?"), { id })),
        QString(columnAfter).replace(QStringLiteral("ID"), QString::number(id)));
    QCOMPARE(sql::toText(env.db().scalar(QStringLiteral("SELECT City FROM Member WHERE ID = ?"), { id })),
        saved ? QStringLiteral("Memphis") : QString());
    // Nothing else is left in the folder: no temporary picture.
    QStringList expected;
    if (!test::onServer())
        expected.append(QStringLiteral("test.sqlite"));
    if (fileAfter != "<missing>")
        expected.append(fileName);
    expected.sort();
    QCOMPARE(QDir(env.folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
}

void TestMemberRecord::conflictIsAskedAbout()
{
    TestEnv env;
    env.loginAs(1, QStringLiteral("Admin"), QStringLiteral("clerk"));
    const qint64 id = env.addMember(QStringLiteral("Ruth"), QStringLiteral("Baker"));
    const MemberRecord loaded = *Members::load(env.db(), id);
    {
        auto other = Database::open(env.db().path(), Database::OpenMode::ExistingOnly);
        other->exec(QStringLiteral("UPDATE Member SET Cell = ?, Prospect_Note = ?, Edited_By = ?, Date_Edited = ? "
                                   "WHERE ID = ?"),
            { QStringLiteral("9015550199"), QStringLiteral("Visited"), QStringLiteral("sam"),
                QStringLiteral("2026-03-15T10:31:00"), id });
    }
    MemberRecord edited = loaded;
    edited.cell = QStringLiteral("9015550123");
    edited.prospectNote = QStringLiteral("Called");
    edited.city = QStringLiteral("Memphis");
    SaveOptions options;
    options.loaded = loaded;
    options.pictureType = QStringLiteral("png");
    bool pictureWritten = false;
    options.writePicture = [&](const QString&) { pictureWritten = true; };

    SaveResult result = saveMember(edited, options);
    QVERIFY(!result.saved);
    QVERIFY(!pictureWritten);
    QCOMPARE(result.conflicts.size(), std::size_t(2));
    const QString question = conflictQuestion(result);
    QVERIFY2(question.startsWith(QStringLiteral("While you were editing this person, sam on ")), qPrintable(question));
    QVERIFY2(question.contains(QStringLiteral("\"Cell\", \"Notes (Prospect Info)\"")), qPrintable(question));
    QVERIFY2(
        question.endsWith(QStringLiteral("Keep their values, keep yours, or cancel the save?")), qPrintable(question));
    QVERIFY(sql::toText(env.db().scalar(QStringLiteral("SELECT City FROM Member WHERE ID = ?"), { id })).isEmpty());

    // "Keep mine": this user's values are written, the picture too.
    options.onConflict = Members::OnConflict::KeepMine;
    result = saveMember(edited, options);
    QVERIFY(result.saved);
    QVERIFY(pictureWritten);
    QCOMPARE(sql::toText(env.db().scalar(QStringLiteral("SELECT Cell FROM Member WHERE ID = ?"), { id })),
        QStringLiteral("9015550123"));
    QCOMPARE(sql::toText(env.db().scalar(QStringLiteral("SELECT Edited_By FROM Member WHERE ID = ?"), { id })),
        QStringLiteral("clerk"));
}

QTEST_GUILESS_MAIN(TestMemberRecord)

#include "tst_memberrecord.moc"
