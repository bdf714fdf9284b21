#include "Bench.h"

#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Messages.h"
#include "widgets/PickList.h"
#include "widgets/TypeAheadIndex.h"
#include "app/Workspace.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Lookups.h"
#include "members/frmMemberEntry.h"
#include "navigators/StartPage.h"
#include "navigators/frmStartPage.h"

#include <QApplication>
#include <QComboBox>
#include <QUuid>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTableView>
#include <stdexcept>

namespace pw::bench {

namespace {

    // A household head with relatives and responsibilities (and contacts when
    // the church has such a person), the heaviest person to load.
    qint64 busyHead(Database& db)
    {
        const QString base
            = QStringLiteral("SELECT m.ID FROM Member m WHERE m.Head_Of_Household = 1 "
                             "AND EXISTS (SELECT 1 FROM Family_Connection f WHERE f.Member_ID = m.ID) "
                             "AND EXISTS (SELECT 1 FROM Member_Responsibility r WHERE r.Member_ID = m.ID) ");
        QVariant id = db.scalar(base
            + QStringLiteral("AND EXISTS (SELECT 1 FROM Prospect_Contact c WHERE "
                             "c.Prospect_ID = m.ID) LIMIT 1"));
        if (!id.isValid())
            id = db.scalar(base + QStringLiteral("LIMIT 1"));
        if (!id.isValid())
            throw std::runtime_error("the demo church has no household head with relatives and responsibilities");
        return id.toLongLong();
    }

    // A prospect given 50 contacts (in the bench's copy of the church), as a
    // long-visited prospect has them.
    qint64 prospectWithContacts(Database& db, int wanted)
    {
        const qint64 id
            = db.scalar(QStringLiteral("SELECT ID FROM Member WHERE Status = 'Prospect' ORDER BY ID LIMIT 1"))
                  .toLongLong();
        if (id <= 0)
            throw std::runtime_error("the church has no prospect");
        const qint64 visitor
            = db.scalar(QStringLiteral("SELECT ID FROM Member WHERE ID <> ? LIMIT 1"), { id }).toLongLong();
        const int has
            = db.scalar(QStringLiteral("SELECT COUNT(*) FROM Prospect_Contact WHERE Prospect_ID = ?"), { id }).toInt();
        Transaction tx(db);
        for (int i = has; i < wanted; ++i)
            db.exec(QStringLiteral("INSERT INTO Prospect_Contact (Prospect_ID, Contact_Date, Action, Type, Visitor1, "
                                   "Visitor2, Rating, Notes) VALUES (?, ?, 'Home Visit', 'Visit', ?, ?, 'Interested', "
                                   "'A visit of the bench')"),
                { id, QDate(2020, 1, 6).addDays(7 * i).toString(Qt::ISODate), visitor, visitor });
        tx.commit();
        return id;
    }

} // namespace

void addMemberRows(BenchContext& context)
{
    Session session(context);
    Database* db = &session.db();
    QMdiArea area;
    Workspace workspace(&area);
    setWorkspace(&workspace);
    const QString people = QStringLiteral("%1 people").arg(context.people);

    {
        members::frmMemberEntry form;
        form.show();
        QApplication::processEvents();
        const qint64 head = busyHead(*db);
        auto* memberId = form.findChild<QLineEdit*>(QStringLiteral("txtMemberID"));
        auto* memberList = form.findChild<QComboBox*>(QStringLiteral("cmbMember"));

        const double load = medianMs(context.runs, [&] {
            form.LoadMember(head);
            QApplication::processEvents();
        });
        if (memberId->text().toLongLong() != head)
            throw std::runtime_error("LoadMember did not show the household head");
        context.add({ QStringLiteral("member screen: LoadMember (head of household)"), people, load, -1 });

        const qint64 prospect = prospectWithContacts(*db, 50);
        const double prospectLoad = medianMs(context.runs, [&] {
            form.LoadMember(prospect);
            QApplication::processEvents();
        });
        auto* contacts = form.findChild<QTableView*>(QStringLiteral("vsfgProspectContacts"));
        if (memberId->text().toLongLong() != prospect || !contacts || contacts->model()->rowCount() < 50)
            throw std::runtime_error("LoadMember did not show the prospect's 50 contacts");
        context.add(
            { QStringLiteral("member screen: LoadMember (prospect with 50 contacts)"), people, prospectLoad, -1 });
        form.LoadMember(head);

        const double save = medianMs(context.runs, [&] {
            if (!form.SaveMember())
                throw std::runtime_error("SaveMember refused the household head");
        });
        context.add({ QStringLiteral("member screen: SaveMember (existing person)"), people, save, -1 });

        // The start page as a login shows it: this week's birthdays and
        // anniversaries, the prospects due and the people opened lately,
        // read, listed and painted.
        {
            area.resize(1280, 760);
            area.show();
            const double shown = medianMs(
                context.runs,
                [&] {
                    auto* page = workspace.open<navigators::frmStartPage>();
                    QApplication::processEvents();
                    page->parentWidget()->repaint();
                },
                [&] {
                    area.closeAllSubWindows();
                    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                });
            // Beside it the read of the week's occasions alone, by plain SQLite.
            QStringList days;
            for (const auto& day : navigators::startPage::monthDaysAhead(pw::clock().today(), 7))
                days << QLatin1Char('\'') + day.first + QLatin1Char('\'');
            const QString occasions
                = QStringLiteral("SELECT ID, Last_Name, First_Name, Date_Of_Birth, Anniversary_Date, Marital_Status, "
                                 "Member_Active_Status FROM Member WHERE (substr(Date_Of_Birth, 6, 5) IN (%1) OR "
                                 "substr(Anniversary_Date, 6, 5) IN (%1)) AND Deceased_Date IS NULL")
                      .arg(days.join(QLatin1Char(',')));
            context.add({ QStringLiteral("start page: read, listed and painted"), people, shown,
                context.onServer() ? -1 : rawQueryMs(context.church(), occasions, context.runs) });
            area.closeAllSubWindows();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }

        // "New Family Member" of the head saved: the new person and the link
        // to the head in one transaction, the family grid read again.
        {
            auto* start = form.findChild<QPushButton*>(QStringLiteral("btnNewFamilyMember"));
            auto chooseFirst = [&form](const char* name) {
                auto* list = form.findChild<QComboBox*>(QString::fromLatin1(name));
                for (int i = 0; list && i < list->count(); ++i) {
                    if (!list->itemText(i).isEmpty()) {
                        list->setCurrentIndex(i);
                        return;
                    }
                }
                throw std::runtime_error(name);
            };
            const double familySave = medianMs(
                context.runs,
                [&] {
                    if (!form.SaveMember())
                        throw std::runtime_error("SaveMember refused the new family member");
                },
                [&] {
                    form.LoadMember(head);
                    start->click();
                    for (const char* list :
                        { "cmbMemberStatus", "cmbGender", "cmbChurchStatus", "cmbProspectStatus", "cmbRelationship" })
                        chooseFirst(list);
                    // A first name of its own on every run (and every bench on the
                    // same church), or the duplicate question stops the next save.
                    // Random letters: the new people share the head's phone, and
                    // names a typo apart count as one person there.
                    form.findChild<QLineEdit*>(QStringLiteral("txtFName"))
                        ->setText(QStringLiteral("Bench ")
                            + QUuid::createUuid().toString(QUuid::Id128).left(12));
                });
            if (memberId->text().toLongLong() <= head)
                throw std::runtime_error("New Family Member did not save a new person");
            context.add(
                { QStringLiteral("member screen: New Family Member saved and linked"), people, familySave, -1 });
            form.LoadMember(head);
        }

        // Sorting every person's text into the type-ahead index, which a
        // worker thread does when a list is filled; then the first key, which
        // waits for it only when it comes at once.
        {
            const auto everyone = std::make_shared<const QVector<PersonName>>(Lookups::people(*db));
            const double index = medianMs(context.runs, [&] {
                const TypeAheadIndex sorted(static_cast<int>(everyone->size()), [&](int row, QString& out) {
                    PeopleListModel::appendText(out, everyone->at(row), NameForm::WithTitle);
                });
                consume(sorted.size());
            });
            context.add(
                { QStringLiteral("type-ahead index of every person (sorted on a worker thread)"), people, index, -1 });
        }
        ctx().typeAhead = {};
        const double first = medianMs(1, [&] { ComboTypeAhead(memberList, QChar('S')); });
        context.add({ QStringLiteral("member screen: first type-ahead key in cmbMember"), people, first, -1 });

        // One key after a pause: a search of the index, then the chosen
        // person is loaded. Alternate letters so each key changes the choice.
        int run = 0;
        const double key = medianMs(context.runs, [&] {
            ctx().typeAhead = {};
            ComboTypeAhead(memberList, QChar(run++ % 2 ? 'W' : 'T'));
        });
        if (memberId->text().isEmpty())
            throw std::runtime_error("type-ahead loaded nobody");
        context.add({ QStringLiteral("member screen: one type-ahead key in cmbMember"), people, key, -1 });
    }
}

} // namespace pw::bench
