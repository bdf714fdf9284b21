#include "Bench.h"

#include "data/Clock.h"
#include "app/Context.h"
#include "app/FormHelpers.h"
#include "app/Messages.h"
#include "app/Workspace.h"
#include "data/Database.h"
#include "members/frmMemberEntry.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
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

} // namespace

void addMemberRows(BenchContext& context)
{
    const Context saved = ctx();
    std::unique_ptr<Database> db = Database::open(context.databasePath, Database::OpenMode::ExistingOnly);
    ThrowingMessages messages;
    SystemClock clock;
    QMdiArea area;
    Workspace workspace(&area);
    Context& c = ctx();
    c = Context {};
    c.database = db.get();
    c.messages = &messages;
    c.clock = &clock;
    c.workspace = &workspace;
    c.settings.databasePath = context.databasePath;
    c.settings.pictureFolder = context.workDir + QLatin1Char('/');
    c.settings.keyPressDelay = 1.0;
    c.user = CurrentUser { 1, QStringLiteral("Admin"), QStringLiteral("admin") };
    const QString people = QStringLiteral("%1 people").arg(context.people);

    try {
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

        const double save = medianMs(context.runs, [&] {
            if (!form.SaveMember())
                throw std::runtime_error("SaveMember refused the household head");
        });
        context.add({ QStringLiteral("member screen: SaveMember (existing person)"), people, save, -1 });

        // One key after a pause: a search from the top of every person, then
        // the chosen person is loaded. Alternate letters so each key changes
        // the choice.
        int run = 0;
        const double key = medianMs(context.runs, [&] {
            ctx().typeAhead = {};
            ComboTypeAhead(memberList, QChar(run++ % 2 ? 'W' : 'T'));
        });
        if (memberId->text().isEmpty())
            throw std::runtime_error("type-ahead loaded nobody");
        context.add({ QStringLiteral("member screen: one type-ahead key in cmbMember"), people, key, -1 });
    } catch (...) {
        ctx() = saved;
        throw;
    }
    ctx() = saved;
}

} // namespace pw::bench
