// The roster's mails, rows and printed grid (read back from its PDF).

#include "TestSupport.h"

#include "data/Sql.h"
#include "rosters/RosterOutput.h"

#include <QProcess>
#include <QUrlQuery>
#include <QtTest>

using namespace pw;
using namespace pw::rosters;

namespace {

const QDate kFrom(2026, 3, 1), kTo(2026, 3, 31);

// Two positions at worship (the greeter made first, ordered second), one on
// Wednesday night, and three people, one without a usable address.
struct Church {
    test::TestEnv env;
    Database& db = env.db();
    qint64 greeter = position("Greeter", "WS", 2), usher = position("Usher", "WS", 1, 2);
    qint64 nursery = position("Nursery", "WN", 1);
    qint64 hale = person("Helen", "Hale", "helen@ex.org; h.hale@ex.org"), bell = person("Bo", "Bell", "none"),
           ames = person("Al", "Ames", "al@ex.org");

    qint64 position(const QString& name, const QString& service, int order, int needed = 1)
    {
        return db.insert("INSERT INTO Roster_Position (Name, Service, Needed, Position_Order) VALUES (?, ?, ?, ?)"
                + sql::returningId(),
            { name, service, needed, order });
    }
    qint64 person(const QString& first, const QString& last, const QString& email)
    {
        const qint64 id = env.addMember(first, last);
        db.exec("UPDATE Member SET Email = ? WHERE ID = ?", { email, id });
        return id;
    }
    // Turns as position, day of March 2026 (or past it, into April), person,
    // and when given, confirmed and note.
    void serve(const QList<QVariantList>& turns)
    {
        for (const QVariantList& t : turns)
            db.exec("INSERT INTO Roster_Assignment (Position_ID, Serve_Date, Member_ID, Confirmed, Note) VALUES (?, "
                    "?, ?, ?, ?)",
                { t[0], sql::date(kFrom.addDays(t[1].toInt() - 1)), t[2], t.value(3).toInt(), t.value(4).toString() });
    }
};

// The text of each page, laid out as on paper and read as one line.
QStringList pageTexts(const reports::ReportPtr& report, const QString& folder)
{
    const QString pdf = QDir(folder).filePath("roster.pdf");
    report->writePdf(pdf);
    QProcess text;
    text.start("pdftotext", { "-layout", "-enc", "UTF-8", pdf, "-" });
    text.waitForFinished(60000);
    return QString::fromUtf8(text.readAll()).replace('\f', "|").simplified().split('|', Qt::SkipEmptyParts);
}

} // namespace

class TestRosterOutput : public QObject {
    Q_OBJECT
private slots:
    void mails_data()
    {
        QTest::addColumn<int>("person"); // 0: Bell, Bo (no address); 1: Hale, Helen
        QTest::addColumn<int>("shortenBy"); // characters below the whole link's length
        QTest::addColumn<QStringList>("body"); // empty: no link
        const QStringList start { "Helen,", "", "You are on the roster:" };
        const QStringList turns { "Sunday 3/1/2026: Usher (Worship Service) (confirmed)",
            "Wednesday 3/4/2026: Nursery (Wednesday Night)", "Sunday 3/8/2026: Greeter (Worship Service)" };
        QTest::newRow("every turn, exactly at the limit") << 1 << 0 << start + turns;
        QTest::newRow("one over: the last turn gives way") << 1 << 1 << start + turns.mid(0, 2) + QStringList { "..." };
        QTest::newRow("far over: no turn left") << 1 << 400 << start + QStringList { "..." };
        QTest::newRow("no address") << 0 << 0 << QStringList();
    }

    void mails()
    {
        QFETCH(int, person);
        QFETCH(int, shortenBy);
        QFETCH(QStringList, body);
        Church c;
        c.serve({ { c.greeter, 8, c.hale }, { c.usher, 1, c.hale, true }, { c.nursery, 4, c.hale },
            { c.greeter, 1, c.bell }, { c.usher, 15, c.bell } });
        const int whole = int(rosterMails(c.db, kFrom, kTo, 100000).at(1).link.toEncoded().size());
        const QList<RosterMail> mails = rosterMails(c.db, kFrom, kTo, whole - shortenBy);
        QCOMPARE(mails.size(), 2);
        QCOMPARE(mails[person].name, person ? QString("Hale, Helen") : QString("Bell, Bo"));
        const QByteArray encoded = mails[person].link.toEncoded();
        QCOMPARE(encoded.isEmpty(), body.isEmpty());
        if (body.isEmpty())
            return;
        QVERIFY(encoded.startsWith("mailto:helen@ex.org,h.hale@ex.org?subject=Serving%20from%203%2F1%2F2026%20to%20"
                                   "3%2F31%2F2026&body=Helen%2C%0D%0A%0D%0AYou%20are"));
        QVERIFY(encoded.size() <= whole - shortenBy || body.size() == 4);
        QCOMPARE(QUrlQuery(mails[person].link).queryItemValue("body", QUrl::FullyDecoded).split("\r\n"), body);
    }

    // Positions go in their order, not the order they were made in; several
    // people in one place in the order they were put there.
    void rowsByDateAndPositionOrder()
    {
        Church c;
        c.serve({ { c.greeter, 8, c.bell, true, "Door B" }, { c.greeter, 1, c.hale }, { c.usher, 1, c.hale },
            { c.usher, 1, c.bell, true }, { c.usher, 29, c.hale }, { c.usher, 31 + 5, c.hale } });
        const GridText grid = rosterRows(c.db, kFrom, kTo);
        const QVector<QStringList> expected { { "3/1/2026", "Worship Service", "Usher", "Hale, Helen", "", "" },
            { "3/1/2026", "Worship Service", "Usher", "Bell, Bo", "Yes", "" },
            { "3/1/2026", "Worship Service", "Greeter", "Hale, Helen", "", "" },
            { "3/8/2026", "Worship Service", "Greeter", "Bell, Bo", "Yes", "Door B" },
            { "3/29/2026", "Worship Service", "Usher", "Hale, Helen", "", "" } };
        QCOMPARE(grid.rows, expected);
    }

    // Each service with positions on a page of its own, its days down and its
    // positions across; an open place shows a dash.
    void printedGridHasAPagePerService()
    {
        Church c;
        c.serve({ { c.usher, 1, c.hale }, { c.usher, 1, c.ames }, { c.greeter, 1, c.bell }, { c.greeter, 15, c.hale },
            { c.nursery, 4, c.ames } });
        QVERIFY(printRoster(kFrom, kTo, true) && c.env.output.previewed.size() == 1);
        const QStringList pages = pageTexts(c.env.output.lastPreview(), c.env.folder());
        QCOMPARE(pages.size(), 2);
        const QList<QPair<int, QString>> shown { { 0, "Worship Service, 3/1/2026 to 3/31/2026 Date Usher Greeter" },
            { 0, "3/1/2026 Hale, Helen Bell, Bo Ames, Al 3/8/2026 — — —" }, { 0, "3/15/2026 — Hale, Helen —" },
            { 0, "3/29/2026 — — —" }, { 1, "Wednesday Night, 3/1/2026 to 3/31/2026 Date Nursery" },
            { 1, "3/4/2026 Ames, Al 3/11/2026 —" } };
        for (const auto& [page, text] : shown)
            QVERIFY2(pages[page].contains(text), qPrintable(text + " in: " + pages[page]));
    }
};

QTEST_MAIN(TestRosterOutput)
#include "tst_rosteroutput.moc"
