#include "TestSupport.h"

#include "data/Database.h"
#include "rosters/Fill.h"
#include "rosters/Rosters.h"

#include <QtTest>

using namespace pw;
using namespace pw::rosters;

class TestFill : public QObject {
    Q_OBJECT
private slots:
    void fillSpreadsTurns_data();
    void fillSpreadsTurns();
    void neverTwiceOnOneDay();
    void candidatesOfAPosition_data();
    void candidatesOfAPosition();
    void saveMeetsAnotherWorkstation_data();
    void saveMeetsAnotherWorkstation();
    void removingAPosition_data();
    void removingAPosition();
};

namespace {

// Week 1 is the first Sunday of March 2026; week 0 the one before.
QDate week(int n) { return QDate(2026, 3, 1).addDays(7 * (n - 1)); }
qint64 person(QChar letter) { return letter.unicode() - 'A' + 1; }
QChar letter(qint64 id) { return QChar(char('A' + id - 1)); }

} // namespace

void TestFill::fillSpreadsTurns_data()
{
    QTest::addColumn<QString>("candidates");
    QTest::addColumn<int>("needed");
    QTest::addColumn<int>("weeks");
    QTest::addColumn<QString>("stored"); // "B@1": B serves in week 1
    QTest::addColumn<QString>("away"); // "B:1-2" weeks 1 to 2, "A:m1" monthly from week 1, "A:f2" fortnightly
    QTest::addColumn<QString>("monthly"); // people who serve in the position once a month at most
    QTest::addColumn<QString>("expected"); // the people proposed per week ("-": none)
    QTest::addColumn<QString>("unfilled"); // "week:missing" of the places left empty

    QTest::newRow("turns go round") << "A B C" << 1 << 6 << ""
                                    << ""
                                    << ""
                                    << "A B C A B C"
                                    << "";
    QTest::newRow("two a week, evenly") << "A B C" << 2 << 3 << ""
                                        << ""
                                        << ""
                                        << "AB CA BC"
                                        << "";
    QTest::newRow("away two weeks, both ends kept") << "A B C" << 1 << 6 << ""
                                                    << "B:1-2"
                                                    << ""
                                                    << "A C B A C B"
                                                    << "";
    QTest::newRow("away every first Sunday") << "A B C" << 1 << 6 << ""
                                             << "A:m1"
                                             << ""
                                             << "B A C B A C"
                                             << "";
    QTest::newRow("away every other week") << "A B C" << 1 << 6 << ""
                                           << "A:f2"
                                           << ""
                                           << "A B C B A C"
                                           << "";
    QTest::newRow("stored turns kept and counted") << "A B" << 1 << 3 << "B@1"
                                                   << ""
                                                   << ""
                                                   << "- A B"
                                                   << "";
    QTest::newRow("a turn before the period counts") << "A B" << 1 << 2 << "A@0"
                                                     << ""
                                                     << ""
                                                     << "B A"
                                                     << "";
    QTest::newRow("once a month keeps four weeks apart") << "A B" << 1 << 6 << ""
                                                         << ""
                                                         << "A"
                                                         << "A B B B A B"
                                                         << "";
    QTest::newRow("too few people leave places empty") << "A" << 2 << 2 << ""
                                                       << ""
                                                       << ""
                                                       << "A A"
                                                       << "1:1 2:1";
    QTest::newRow("nobody can serve") << "A" << 1 << 2 << ""
                                      << "A:1-2"
                                      << ""
                                      << "- -"
                                      << "1:1 2:1";
}

void TestFill::fillSpreadsTurns()
{
    QFETCH(QString, candidates);
    QFETCH(int, needed);
    QFETCH(int, weeks);
    QFETCH(QString, stored);
    QFETCH(QString, away);
    QFETCH(QString, monthly);
    QFETCH(QString, expected);
    QFETCH(QString, unfilled);

    const qint64 position = 7;
    FillInput input;
    input.positionOrder = { position };
    for (int w = 1; w <= weeks; ++w)
        input.places.push_back({ week(w), position, needed });
    for (const QString& name : candidates.split(QLatin1Char(' ')))
        input.candidates[position].append(person(name.at(0)));
    for (const QString& turn : stored.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        Assignment a;
        a.positionId = position;
        a.memberId = person(turn.at(0));
        a.date = week(turn.mid(2).toInt());
        input.stored.push_back(a);
    }
    for (const QString& rule : away.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        Unavailability u;
        u.memberId = person(rule.at(0));
        const QString when = rule.mid(2);
        if (when.at(0).isDigit()) {
            u.from = week(when.section(QLatin1Char('-'), 0, 0).toInt());
            u.to = week(when.section(QLatin1Char('-'), 1, 1).toInt());
        } else {
            u.repeats = when.at(0) == QLatin1Char('m') ? Repeats::Monthly : Repeats::Fortnightly;
            u.from = week(when.mid(1).toInt());
        }
        input.unavailable[u.memberId].push_back(u);
    }
    for (const QString& name : monthly.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        input.preferences.insert({ person(name.at(0)), position }, Frequency::Monthly);

    const FillProposal proposal = fill(input);
    QStringList perWeek;
    for (int w = 1; w <= weeks; ++w) {
        QString names;
        for (const Assignment& a : proposal.proposed) {
            QCOMPARE(a.positionId, position);
            if (a.date == week(w))
                names += letter(a.memberId);
        }
        perWeek.append(names.isEmpty() ? QStringLiteral("-") : names);
    }
    QCOMPARE(perWeek.join(QLatin1Char(' ')), expected);
    QStringList left;
    for (const Unfilled& u : proposal.unfilled)
        left.append(QStringLiteral("%1:%2").arg(week(1).daysTo(u.date) / 7 + 1).arg(u.missing));
    QCOMPARE(left.join(QLatin1Char(' ')), unfilled);
}

// A person who may fill two positions serves in one of them on a day; the
// other is left empty rather than given to them a second time.
void TestFill::neverTwiceOnOneDay()
{
    FillInput input;
    input.positionOrder = { 1, 2 };
    input.places = { { week(1), 2, 1 }, { week(1), 1, 1 } };
    input.candidates[1] = { person('A') };
    input.candidates[2] = { person('A') };
    const FillProposal proposal = fill(input);
    QCOMPARE(proposal.proposed.size(), size_t(1));
    QCOMPARE(proposal.proposed.front().positionId, qint64(1));
    QCOMPARE(proposal.unfilled.size(), size_t(1));
    QCOMPARE(proposal.unfilled.front().positionId, qint64(2));
}

void TestFill::candidatesOfAPosition_data()
{
    QTest::addColumn<QString>("rows"); // statements; :p is Helen Hale
    QTest::addColumn<bool>("candidate");
    QTest::newRow("holds it") << "INSERT INTO Member_Responsibility VALUES (:p, 'usher', NULL, NULL)" << true;
    QTest::newRow("held it until last year")
        << "INSERT INTO Member_Responsibility VALUES (:p, 'Usher', '2020-01-01', '2025-12-31')" << false;
    QTest::newRow("starts later") << "INSERT INTO Member_Responsibility VALUES (:p, 'Usher', '2026-06-01', NULL)"
                                  << false;
    QTest::newRow("moved away") << "INSERT INTO Member_Responsibility VALUES (:p, 'Usher', NULL, NULL); UPDATE "
                                   "Member SET Member_Active_Status = 'Moved Away' WHERE ID = :p"
                                << false;
    QTest::newRow("asked to read") << "INSERT INTO Roster_Preference (Member_ID, Position_ID) VALUES (:p, 2)" << true;
}

// The usher position takes the responsibility's holders on the day; the
// reader position (anyone may) the people who asked for it.
void TestFill::candidatesOfAPosition()
{
    QFETCH(QString, rows);
    QFETCH(bool, candidate);
    test::TestEnv env;
    const qint64 helen = env.addMember(QStringLiteral("Helen"), QStringLiteral("Hale"));
    for (QString statement : rows.split(QLatin1Char(';')))
        env.db().exec(statement.replace(QStringLiteral(":p"), QString::number(helen)));
    Position usher { 0, QStringLiteral("Usher"), QStringLiteral("WS"), 2, QStringLiteral("Usher"), 0, true };
    usher.id = savePosition(env.db(), usher);
    Position reader { 0, QStringLiteral("Reader"), QStringLiteral("WS"), 1, QString(), 1, true };
    reader.id = savePosition(env.db(), reader);
    QCOMPARE(reader.id, qint64(2));
    const auto found = candidates(env.db(), { usher, reader }, QDate(2026, 3, 1));
    QCOMPARE(found.value(usher.id).contains(helen) || found.value(reader.id).contains(helen), candidate);
}

void TestFill::saveMeetsAnotherWorkstation_data()
{
    QTest::addColumn<int>("how"); // OnConflict
    QTest::addColumn<QStringList>("conflicts");
    QTest::addColumn<int>("serving"); // turns stored afterwards
    QTest::newRow("report") << int(OnConflict::Report)
                            << QStringList { "Usher on 3/1/2026 was filled at another workstation",
                                   "Usher on 3/8/2026 was taken off at another workstation" }
                            << 1;
    QTest::newRow("keep theirs") << int(OnConflict::KeepTheirs) << QStringList() << 1;
    QTest::newRow("keep mine") << int(OnConflict::KeepMine) << QStringList() << 3;
}

// This workstation adds Ann on 3/1 and confirms Helen's 3/8 turn; meanwhile
// another one filled 3/1 with Tom and took Helen off 3/8.
void TestFill::saveMeetsAnotherWorkstation()
{
    QFETCH(int, how);
    QFETCH(QStringList, conflicts);
    QFETCH(int, serving);
    test::TestEnv env;
    const qint64 helen = env.addMember(QStringLiteral("Helen"), QStringLiteral("Hale"));
    const qint64 ann = env.addMember(QStringLiteral("Ann"), QStringLiteral("Cole"));
    const qint64 tom = env.addMember(QStringLiteral("Tom"), QStringLiteral("Hale"));
    const qint64 usher = savePosition(env.db(), { 0, QStringLiteral("Usher"), QStringLiteral("WS"), 1, {}, 0, true });
    const QDateTime now(QDate(2026, 2, 20), QTime(9, 0));
    RosterChanges earlier;
    earlier.added.push_back({ 0, usher, week(2), helen, false, {} });
    saveChanges(env.db(), earlier, OnConflict::Report, QStringLiteral("ann"), now);
    const Assignment loaded = assignments(env.db(), week(2), week(2)).front();

    RosterChanges theirs;
    theirs.added.push_back({ 0, usher, week(1), tom, false, {} });
    theirs.removed.push_back(loaded);
    QVERIFY(saveChanges(env.db(), theirs, OnConflict::Report, QStringLiteral("tom"), now).conflicts.isEmpty());

    RosterChanges mine;
    mine.added.push_back({ 0, usher, week(1), ann, false, {} });
    Assignment confirmed = loaded;
    confirmed.confirmed = true;
    mine.changed.push_back({ loaded, confirmed });
    const SaveOutcome outcome = saveChanges(env.db(), mine, OnConflict(how), QStringLiteral("ann"), now);
    QCOMPARE(outcome.conflicts, conflicts);
    QCOMPARE(int(assignments(env.db(), week(1), week(2)).size()), serving);
    // Adding a turn already there adds nothing.
    RosterChanges again;
    again.added.push_back({ 0, usher, week(1), tom, false, {} });
    QCOMPARE(saveChanges(env.db(), again, OnConflict::KeepMine, QStringLiteral("ann"), now).added, 0);
}

void TestFill::removingAPosition_data()
{
    QTest::addColumn<bool>("served");
    QTest::newRow("never served in: removed") << false;
    QTest::newRow("served in: made inactive") << true;
}

// A position someone served in stays, inactive, so past rosters keep its
// name; one never used goes with the preferences given for it.
void TestFill::removingAPosition()
{
    QFETCH(bool, served);
    test::TestEnv env;
    const qint64 helen = env.addMember(QStringLiteral("Helen"), QStringLiteral("Hale"));
    const qint64 reader = savePosition(env.db(), { 0, QStringLiteral("Reader"), QStringLiteral("WS"), 1, {}, 0, true });
    setPreference(env.db(), helen, reader, Frequency::Monthly);
    if (served)
        env.db().exec(QStringLiteral("INSERT INTO Roster_Assignment (Position_ID, Serve_Date, Member_ID) VALUES (?, "
                                     "'2026-03-01', ?)"),
            { reader, helen });
    QCOMPARE(removePosition(env.db(), reader), !served);
    QCOMPARE(position(env.db(), reader).has_value(), served);
    QVERIFY(positions(env.db()).empty());
    QCOMPARE(preferencesOf(env.db(), helen).contains(reader), served);
}

QTEST_MAIN(TestFill)
#include "tst_fill.moc"
