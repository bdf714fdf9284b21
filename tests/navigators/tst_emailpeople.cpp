#include "TestSupport.h"

#include "navigators/EmailPeople.h"

#include <QUrlQuery>
#include <QtTest>

using namespace pw;
using namespace pw::navigators;
using test::TestEnv;

class TestEmailPeople : public QObject {
    Q_OBJECT
private slots:
    void linksSplitWhenTooLong_data();
    void linksSplitWhenTooLong();
    void peopleWithoutAddressAreCounted_data();
    void peopleWithoutAddressAreCounted();
};

void TestEmailPeople::linksSplitWhenTooLong_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<int>("links");
    // Each address is 20 characters; "mailto:?bcc=" is 12, each comma 1.
    QTest::newRow("one") << 1 << 2000 << 1;
    QTest::newRow("all fit") << 10 << 2000 << 1;
    QTest::newRow("94 to a link") << 200 << 2000 << 3;
    QTest::newRow("exactly at the limit") << 3 << 74 << 1;
    QTest::newRow("one over the limit") << 3 << 73 << 2;
    QTest::newRow("each longer than the limit") << 2 << 10 << 2;
}

void TestEmailPeople::linksSplitWhenTooLong()
{
    QFETCH(int, count);
    QFETCH(int, maxLength);
    QFETCH(int, links);
    QStringList addresses;
    for (int i = 0; i < count; ++i)
        addresses.append(QStringLiteral("p%1@example.org").arg(i, 4, 10, QLatin1Char('0')).rightJustified(20, 'x'));
    if (count >= 10) // encoded in the link, yet read back as typed
        addresses.last() = QStringLiteral("o'n+1@ex.org");

    const QList<QUrl> made = email::mailtoLinks(addresses, maxLength);
    QCOMPARE(made.size(), links);
    QStringList back;
    for (const QUrl& link : made) {
        const QByteArray text = link.toEncoded();
        QVERIFY(text.startsWith("mailto:?bcc="));
        if (made.size() > 1 && maxLength >= 12 + 20)
            QVERIFY(text.size() <= maxLength);
        back += QUrlQuery(link).queryItemValue(QStringLiteral("bcc"), QUrl::FullyDecoded).split(QLatin1Char(','));
    }
    QCOMPARE(back, addresses);
}

void TestEmailPeople::peopleWithoutAddressAreCounted_data()
{
    QTest::addColumn<bool>("newsletterOnly");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("without");
    QTest::newRow("everyone") << false << "mailto:?bcc=ann@ex.org,cy@ex.org,Cy2@ex.org"
                              << "Bell, Bo\nDoe, Di";
    QTest::newRow("newsletter by e-mail only") << true << "mailto:?bcc=cy@ex.org,Cy2@ex.org,ANN@ex.org"
                                               << "Doe, Di";
}

void TestEmailPeople::peopleWithoutAddressAreCounted()
{
    QFETCH(bool, newsletterOnly);
    QFETCH(QString, opened);
    QFETCH(QString, without);
    TestEnv env;
    QList<qint64> ids;
    const QList<QStringList> people = { { "Ann", "Ames", "ann@ex.org", "0" }, { "Bo", "Bell", "", "0" },
        { "Cy", "Cole", "cy@ex.org; Cy2@ex.org, ANN@ex.org", "1" }, { "Di", "Doe", "di at ex.org", "1" } };
    for (const QStringList& p : people) {
        ids.append(env.addMember(p[0], p[1]));
        env.db().exec(QStringLiteral("UPDATE Member SET Email = ?, Receive_Newsletter_Via_EMail = ? WHERE ID = ?"),
            { p[2], p[3].toInt(), ids.last() });
    }
    email::emailPeople(ids, newsletterOnly);
    QCOMPARE(env.desktop.opened.size(), 1);
    QCOMPARE(QString::fromLatin1(env.desktop.opened.first().toEncoded()), opened);
    QVERIFY(env.messages.count() >= 1);
    QVERIFY2(env.messages.entries.first().text.endsWith(without), qPrintable(env.messages.entries.first().text));
}

QTEST_MAIN(TestEmailPeople)
#include "tst_emailpeople.moc"
