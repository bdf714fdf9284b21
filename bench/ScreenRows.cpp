#include "Bench.h"

#include "app/Context.h"
#include "app/MDI.h"
#include "app/SharedLists.h"
#include "app/Workspace.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "members/Screens.h"
#include "outreach/Screens.h"
#include "reports/Screens.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <stdexcept>

namespace pw::bench {

namespace {

    // The main window as the program shows it after an "Admin" login.
    struct Program {
        std::unique_ptr<Database> db;
        ThrowingMessages messages;
        SystemClock clock;
        std::unique_ptr<MDI> window;
        Context saved = ctx();

        explicit Program(const BenchContext& context)
            : db(Database::open(context.databasePath, Database::OpenMode::ExistingOnly))
        {
            window = std::make_unique<MDI>();
            Context& c = ctx();
            c = Context {};
            c.database = db.get();
            c.messages = &messages;
            c.clock = &clock;
            c.workspace = window->workspace();
            c.settings.databasePath = context.databasePath;
            c.settings.pictureFolder = context.workDir + QLatin1Char('/');
            c.settings.keyPressDelay = 1.0;
            c.user = CurrentUser { 1, QStringLiteral("Admin"), QStringLiteral("admin") };
            reports::registerScreens(*window->workspace());
            outreach::registerScreens(*window->workspace());
            members::registerScreens(*window->workspace());
            window->show();
            window->unlock();
            QApplication::processEvents();
        }
        ~Program()
        {
            closeAll();
            window.reset();
            ctx() = saved;
        }

        void closeAll()
        {
            window->area()->closeAllSubWindows();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QApplication::processEvents();
        }

        // What the user waits for: the menu command, the window built and
        // shown, and its first paint.
        void openFromMenu(const QString& command, const QString& windowName)
        {
            window->command(command)->trigger();
            QWidget* screen = window->workspace()->find(windowName);
            if (!screen)
                throw std::runtime_error(qPrintable(QStringLiteral("%1 did not open").arg(windowName)));
            QApplication::processEvents();
            screen->parentWidget()->repaint();
        }
    };

} // namespace

void addScreenRows(BenchContext& context)
{
    Program program(context);
    const QString people = QStringLiteral("%1 people").arg(context.people);
    const double rawPeople = rawQueryMs(context.databasePath,
        QStringLiteral("SELECT ID, Last_Name, First_Name, Middle_Name, Title, Status, Head_Of_Household FROM Member "
                       "ORDER BY Last_Name COLLATE NOCASE, First_Name COLLATE NOCASE, Middle_Name COLLATE NOCASE, "
                       "ID"),
        context.runs);

    // The first opening reads every person; later ones use the shared lists.
    const double first = medianMs(
        context.runs, [&] { program.openFromMenu(QStringLiteral("MemberEntry"), QStringLiteral("frmMemberEntry")); },
        [&] {
            program.closeAll();
            program.window->workspace()->lists()->membersChanged();
        });
    context.add({ QStringLiteral("member screen: menu to painted, people read"), people, first, rawPeople });

    const double again = medianMs(
        context.runs, [&] { program.openFromMenu(QStringLiteral("MemberEntry"), QStringLiteral("frmMemberEntry")); },
        [&] { program.closeAll(); });
    context.add({ QStringLiteral("member screen: menu to painted, lists shared"), people, again, -1 });

    // The report launchers opened while the member screen is open.
    const QList<QPair<QString, QString>> launchers
        = { { QStringLiteral("MemberInfoUpdateReportMdi"), QStringLiteral("frmMemberInformationUpdateReport") },
              { QStringLiteral("ProspectVisitationSheet"), QStringLiteral("frmProspectVisitationSheetReport") } };
    for (const auto& launcher : launchers) {
        const double ms = medianMs(
            context.runs, [&] { program.openFromMenu(launcher.first, launcher.second); },
            [&] {
                program.closeAll();
                program.openFromMenu(QStringLiteral("MemberEntry"), QStringLiteral("frmMemberEntry"));
            });
        context.add({ QStringLiteral("%1: menu to painted, after the member screen").arg(launcher.second), people, ms,
            -1 });
    }
}

} // namespace pw::bench
