#include "data/FileOps.h"
#include "data/Platform.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <sqlite3.h>
#include <vector>

using namespace pw;

// The rules a whole-or-none write stands on, where Linux and Windows differ:
// how a finished file takes the place of another, and which file names the
// disk refuses. Each row says what happens on both.
class TestFileRules : public QObject {
    Q_OBJECT
private slots:
    void renameInto_data();
    void renameInto();
    void refusedNames_data();
    void refusedNames();
    void memoryReadingFollowsAnAllocation();
};

namespace {

bool onWindows() { return QSysInfo::kernelType() == QLatin1String("winnt"); }

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

void TestFileRules::renameInto_data()
{
    QTest::addColumn<bool>("targetExists");
    QTest::addColumn<bool>("targetOpen"); // held by the database engine, as another desk holds a church
    QTest::addColumn<bool>("replace");
    QTest::addColumn<bool>("moved"); // false: refused, both files as they were

    QTest::newRow("new name") << false << false << false << true;
    QTest::newRow("new name, replacing allowed") << false << false << true << true;
    QTest::newRow("existing target kept") << true << false << false << false;
    QTest::newRow("existing target replaced") << true << false << true << true;
    QTest::newRow("open target kept") << true << true << false << false;
    // Windows cannot replace a file another program holds open.
    QTest::newRow("open target replaced where the system allows") << true << true << true << !onWindows();
}

void TestFileRules::renameInto()
{
    QFETCH(bool, targetExists);
    QFETCH(bool, targetOpen);
    QFETCH(bool, replace);
    QFETCH(bool, moved);
    QTemporaryDir dir;
    const QString from = dir.filePath(QStringLiteral(".church.sqlite.partial-1"));
    const QString to = dir.filePath(QStringLiteral("church.sqlite"));
    write(from, "new church");
    if (targetExists)
        write(to, "old church");
    sqlite3* holder = nullptr;
    if (targetOpen) {
        QCOMPARE(sqlite3_open(QFile::encodeName(to).constData(), &holder), SQLITE_OK);
        // The engine opens lazily: a read makes it take the file.
        sqlite3_exec(holder, "PRAGMA schema_version", nullptr, nullptr, nullptr);
    }

    const int error = files::renameInto(from, to, replace);
    sqlite3_close(holder);

    if (moved) {
        QCOMPARE(error, 0);
        QCOMPARE(contents(to), QByteArray("new church"));
        QVERIFY(!QFileInfo::exists(from));
        return;
    }
    // Refused whole: the reason in the office's words, nothing half-done.
    QCOMPARE(error, targetOpen && replace ? EACCES : EEXIST);
    QCOMPARE(contents(to), QByteArray("old church"));
    QCOMPARE(contents(from), QByteArray("new church"));
    QVERIFY(!files::whyNotWritten(error, to).isEmpty());
}

void TestFileRules::refusedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refusedOnWindows");

    QTest::newRow("question mark") << "church?.sqlite" << true;
    QTest::newRow("star") << "*.sqlite" << true;
    QTest::newRow("angle brackets and bar") << "a<b>|c.sqlite" << true;
    QTest::newRow("double quote") << "Grace \"Main\".sqlite" << true;
    QTest::newRow("accents, comma, hash, percent") << "Église 100%, #2.sqlite" << false;
}

// A name the system refuses is said to be so, with what to do; elsewhere
// the file is made under exactly that name.
void TestFileRules::refusedNames()
{
    QFETCH(QString, name);
    QFETCH(bool, refusedOnWindows);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);

    const int error = files::createWithPermissions(path, 0600);

    if (refusedOnWindows && onWindows()) {
        QVERIFY(error != 0);
        QVERIFY2(files::whyNotWritten(error, path).contains(QStringLiteral("does not allow")),
            qPrintable(files::whyNotWritten(error, path)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        return;
    }
    QCOMPARE(error, 0);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { name });
}

// The process's memory as the bench reports it, read the system's way on
// each: a block of 64 MB written to shows in the resident size and its peak.
void TestFileRules::memoryReadingFollowsAnAllocation()
{
    constexpr qint64 kBlock = 64 * 1024 * 1024;
    const platform::MemoryUse before = platform::memoryUse();
    QVERIFY(before.resident > 0);
    QVERIFY(before.peak >= before.resident);
    std::vector<char> block(kBlock, 1);
    const platform::MemoryUse after = platform::memoryUse();
    QVERIFY2(after.resident - before.resident >= kBlock * 9 / 10, qPrintable(QString::number(after.resident)));
    QVERIFY(after.peak >= after.resident);
    QCOMPARE(block[kBlock / 2], char(1));
}

QTEST_GUILESS_MAIN(TestFileRules)
#include "tst_filerules.moc"
