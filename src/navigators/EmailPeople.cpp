#include "navigators/EmailPeople.h"

#include "app/Workspace.h"
#include "data/Database.h"
#include "data/Lookups.h"
#include "data/Sql.h"
#include "widgets/Context.h"
#include "widgets/Desktop.h"
#include "widgets/FormHelpers.h"
#include "widgets/Guard.h"
#include "widgets/Messages.h"
#include "widgets/ResultGrid.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QPushButton>
#include <QSet>
#include <QSqlQuery>
#include <QTableView>

namespace pw::navigators::email {

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(EmailPeople)
    };

    QString title() { return Tr::tr("E-mail These People"); }
    // People read per query: well within every engine's limit of bound values.
    constexpr int kChunk = 500;
    // Names listed in a message at most; the rest are counted.
    constexpr int kNamesListed = 25;

    QString people(int count)
    {
        return count == 1 ? Tr::tr("1 person") : Tr::tr("%1 people").arg(QLocale().toString(count));
    }

    // "3 of the 20 people found have no e-mail address: ..." with the names.
    QString withoutText(const Addresses& found)
    {
        QStringList names = found.without.mid(0, kNamesListed);
        if (found.without.size() > kNamesListed)
            names.append(Tr::tr("and %1 more").arg(QLocale().toString(found.without.size() - kNamesListed)));
        return Tr::tr("%1 of the %2 have no e-mail address and %3 left out:\n\n%4")
            .arg(QLocale().toString(found.without.size()), people(found.people),
                found.without.size() == 1 ? Tr::tr("is", "one person left out")
                                          : Tr::tr("are", "several people left out"),
                names.join(QLatin1Char('\n')));
    }

    // False, after saying so, when nobody has an address; tells who has none.
    bool anyAddress(const Addresses& found, bool newsletterOnly);

    // The people's addresses, read with the busy pointer; none, after saying
    // why, when nobody has one.
    Addresses usableAddresses(const QList<qint64>& ids, bool newsletterOnly)
    {
        Addresses found;
        {
            BusyCursor busy;
            found = addressesOf(ids, newsletterOnly);
        }
        if (!anyAddress(found, newsletterOnly))
            found.addresses.clear();
        return found;
    }

    bool anyAddress(const Addresses& found, bool newsletterOnly)
    {
        if (found.people == 0) {
            messages().show(newsletterOnly ? Tr::tr("None of the people listed receives the newsletter by "
                                                    "e-mail.")
                                           : Tr::tr("No people are listed."),
                title());
            return false;
        }
        if (found.addresses.isEmpty()) {
            messages().show(found.people == 1
                    ? Tr::tr("The person listed has no e-mail address.")
                    : Tr::tr("None of the %1 listed has an e-mail address.").arg(people(found.people)),
                title());
            return false;
        }
        if (!found.without.isEmpty())
            messages().show(withoutText(found), title());
        return true;
    }

} // namespace

Addresses addressesOf(const QList<qint64>& ids, bool newsletterOnly)
{
    struct Person {
        QString name, email;
        bool newsletter = false;
    };
    QHash<qint64, Person> read;
    for (qsizetype start = 0; start < ids.size(); start += kChunk) {
        const QList<qint64> chunk = ids.mid(start, kChunk);
        QVariantList params;
        QStringList marks;
        for (qint64 id : chunk) {
            params.append(id);
            marks.append(QStringLiteral("?"));
        }
        QSqlQuery q = db().exec(QStringLiteral("SELECT ID, Last_Name, First_Name, Email, Receive_Newsletter_Via_EMail "
                                               "FROM Member WHERE ID IN (%1)")
                                    .arg(marks.join(QLatin1Char(','))),
            params);
        while (q.next())
            read.insert(q.value(0).toLongLong(),
                { leaderName(sql::toText(q.value(1)), sql::toText(q.value(2))), sql::toText(q.value(3)),
                    sql::toYesNo(q.value(4)) });
    }
    Addresses out;
    QSet<QString> seen;
    QSet<qint64> counted;
    for (qint64 id : ids) {
        const auto it = read.constFind(id);
        // Removed since the search, listed twice, or not on the newsletter list.
        if (it == read.constEnd() || counted.contains(id) || (newsletterOnly && !it->newsletter))
            continue;
        counted.insert(id);
        ++out.people;
        const QStringList own = addressesIn(it->email);
        if (own.isEmpty())
            out.without.append(it->name);
        for (const QString& a : own) {
            if (!seen.contains(a.toLower())) {
                seen.insert(a.toLower());
                out.addresses.append(a);
            }
        }
    }
    return out;
}

QList<QUrl> mailtoLinks(const QStringList& addresses, int maxLength)
{
    const QByteArray start = "mailto:?bcc=";
    QList<QUrl> links;
    QByteArray link;
    for (const QString& address : addresses) {
        const QByteArray encoded = QUrl::toPercentEncoding(address, "@");
        if (!link.isEmpty() && link.size() + 1 + encoded.size() > maxLength) {
            links.append(QUrl::fromEncoded(link, QUrl::StrictMode));
            link.clear();
        }
        link += link.isEmpty() ? start + encoded : ',' + encoded;
    }
    if (!link.isEmpty())
        links.append(QUrl::fromEncoded(link, QUrl::StrictMode));
    return links;
}

void emailPeople(const QList<qint64>& ids, bool newsletterOnly)
{
    const Addresses found = usableAddresses(ids, newsletterOnly);
    if (found.addresses.isEmpty())
        return;
    const QList<QUrl> links = mailtoLinks(found.addresses);
    if (links.size() > 1
        && messages().ask(Tr::tr("The %1 addresses are more than a mail program takes in one message, so "
                                 "they are split into %2 messages, each with its part of the addresses in "
                                 "Bcc. Open the %2 messages?")
                              .arg(QLocale().toString(found.addresses.size()))
                              .arg(links.size()),
               title())
            != Answer::Yes)
        return;
    for (const QUrl& link : links) {
        if (!desktop().openUrl(link)) {
            messages().show(Tr::tr("No mail program on this computer opened the message. Use \"Copy E-mail "
                                   "Addresses\" and paste them into a message instead."),
                title(), Icon::Warning);
            return;
        }
    }
    showStatus(
        Tr::tr("E-mail to %1 opened in the mail program (%2 %3).")
            .arg(found.addresses.size() == 1 ? Tr::tr("1 address")
                                             : Tr::tr("%1 addresses").arg(QLocale().toString(found.addresses.size())))
            .arg(links.size())
            .arg(links.size() == 1 ? Tr::tr("message") : Tr::tr("messages")));
}

void copyAddresses(const QList<qint64>& ids, bool newsletterOnly)
{
    const Addresses found = usableAddresses(ids, newsletterOnly);
    if (found.addresses.isEmpty())
        return;
    desktop().copyText(found.addresses.join(QStringLiteral(", ")));
    showStatus(found.addresses.size() == 1
            ? Tr::tr("Copied 1 e-mail address.")
            : Tr::tr("Copied %1 e-mail addresses.").arg(QLocale().toString(found.addresses.size())));
}

void installEmailCommands(QTableView* view, ResultModel* model, QBoxLayout* frameLayout)
{
    QWidget* frame = view->parentWidget();
    auto* newsletterOnly = new QCheckBox(Tr::tr("Newsletter by E-Mail Only"), frame);
    newsletterOnly->setObjectName(QStringLiteral("chkEmailNewsletterOnly"));
    newsletterOnly->setToolTip(Tr::tr("E-mail only the people listed who receive the newsletter by e-mail."));
    auto* button = new QPushButton(Tr::tr("E-mail These People..."), frame);
    button->setObjectName(QStringLiteral("btnEmailPeople"));
    button->setAutoDefault(false);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(newsletterOnly);
    row->addWidget(button);
    frameLayout->addLayout(row);

    auto ids = [model] {
        const QVector<qint64> shown = model->ids();
        return QList<qint64>(shown.begin(), shown.end());
    };
    auto send = [ids, newsletterOnly] {
        guarded([&] {
            if (!ids().isEmpty())
                emailPeople(ids(), newsletterOnly->isChecked());
        });
    };
    QObject::connect(button, &QPushButton::clicked, view, send);

    auto* separator = new QAction(view);
    separator->setSeparator(true);
    auto* emailAction = new QAction(Tr::tr("E-mail These People..."), view);
    emailAction->setObjectName(QStringLiteral("actEmailPeople"));
    QObject::connect(emailAction, &QAction::triggered, view, send);
    auto* copyAction = new QAction(Tr::tr("Copy E-mail Addresses"), view);
    copyAction->setObjectName(QStringLiteral("actCopyEmails"));
    QObject::connect(copyAction, &QAction::triggered, view, [ids, newsletterOnly] {
        guarded([&] {
            if (!ids().isEmpty())
                copyAddresses(ids(), newsletterOnly->isChecked());
        });
    });
    auto* onlyAction = new QAction(Tr::tr("Newsletter by E-Mail Only"), view);
    onlyAction->setObjectName(QStringLiteral("actEmailNewsletterOnly"));
    onlyAction->setCheckable(true);
    QObject::connect(onlyAction, &QAction::toggled, newsletterOnly, &QCheckBox::setChecked);
    QObject::connect(newsletterOnly, &QCheckBox::toggled, onlyAction, &QAction::setChecked);
    view->addActions({ separator, emailAction, copyAction, onlyAction });
}

} // namespace pw::navigators::email
