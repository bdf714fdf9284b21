#include "Bench.h"

#include "admin/Screens.h"
#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "app/MDI.h"
#include "widgets/SharedLists.h"
#include "app/Workspace.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "members/Screens.h"
#include "members/frmMemberEntry.h"
#include "navigators/MemberSearch.h"
#include "navigators/Screens.h"
#include "outreach/Screens.h"
#include "reports/Screens.h"
#include "reports/Viewer.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <stdexcept>

namespace pw::bench {

namespace {

    // The main window as the program shows it after an "Admin" login.
    struct Program {
        Session session;
        std::unique_ptr<MDI> window;

        explicit Program(const BenchContext& context)
            : session(context)
        {
            window = std::make_unique<MDI>();
            setWorkspace(window->workspace());
            reports::registerScreens(*window->workspace());
            outreach::registerScreens(*window->workspace());
            admin::registerScreens(*window->workspace());
            members::registerScreens(*window->workspace());
            navigators::registerScreens(*window->workspace());
            window->show();
            window->unlock();
            QApplication::processEvents();
        }
        ~Program()
        {
            closeAll();
            window.reset();
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

        // A button of a screen pressed, and the screen painted after it.
        void press(QWidget* screen, const char* button)
        {
            auto* b = screen->findChild<QPushButton*>(QString::fromLatin1(button));
            if (!b)
                throw std::runtime_error(qPrintable(QStringLiteral("no button %1").arg(QLatin1String(button))));
            b->click();
            QApplication::processEvents();
            screen->parentWidget()->repaint();
        }
    };

    QComboBox* combo(QWidget* screen, const char* name)
    {
        auto* found = screen->findChild<QComboBox*>(QString::fromLatin1(name));
        if (!found)
            throw std::runtime_error(name);
        return found;
    }

    // Chooses the first entry whose text is not empty.
    void chooseFirst(QComboBox* list)
    {
        for (int i = 0; i < list->count(); ++i) {
            if (!list->itemText(i).isEmpty()) {
                list->setCurrentIndex(i);
                return;
            }
        }
        throw std::runtime_error(qPrintable(QStringLiteral("%1 is empty").arg(list->objectName())));
    }

    // The contact screen and the phase screen; a proposal; "Save And New"
    // with the member screen showing the prospect, as when the user came
    // from there.
    void addOutreachRows(BenchContext& context, Program& program)
    {
        const QString people = QStringLiteral("%1 people").arg(context.people);
        const QString contactScreen = QStringLiteral("frmProspectContactEntry");
        const double first = medianMs(
            context.runs, [&] { program.openFromMenu(QStringLiteral("ProspectEntry"), contactScreen); },
            [&] {
                program.closeAll();
                program.window->workspace()->lists()->membersChanged();
            });
        context.add({ QStringLiteral("contact screen: menu to painted, people read"), people, first, -1 });
        const double shared = medianMs(
            context.runs, [&] { program.openFromMenu(QStringLiteral("ProspectEntry"), contactScreen); },
            [&] {
                program.closeAll();
                program.openFromMenu(QStringLiteral("MemberEntry"), QStringLiteral("frmMemberEntry"));
            });
        context.add({ QStringLiteral("contact screen: menu to painted, lists shared"), people, shared, -1 });
        const double phases = medianMs(
            context.runs,
            [&] {
                program.openFromMenu(QStringLiteral("OutreachPhaseEntry"), QStringLiteral("frmOutreachPhaseEntry"));
            },
            [&] { program.closeAll(); });
        context.add({ QStringLiteral("phase screen: menu to painted"), people, phases, -1 });

        // A prospect in a phase, on the member screen and the contact screen.
        program.closeAll();
        const qint64 prospect = db().scalar(QStringLiteral("SELECT ID FROM Member WHERE Prospect_Phase IS NOT NULL "
                                                           "ORDER BY ID LIMIT 1"))
                                    .toLongLong();
        if (prospect <= 0)
            throw std::runtime_error("the church has no prospect in a phase");
        program.openFromMenu(QStringLiteral("MemberEntry"), QStringLiteral("frmMemberEntry"));
        auto* member = qobject_cast<members::frmMemberEntry*>(
            program.window->workspace()->find(QStringLiteral("frmMemberEntry")));
        member->LoadMember(prospect);
        program.openFromMenu(QStringLiteral("ProspectEntry"), contactScreen);
        QWidget* screen = program.window->workspace()->find(contactScreen);
        QComboBox* action = combo(screen, "cmbAction");
        QComboBox* nextPhase = combo(screen, "cmbNextPhase");
        if (!selectById(combo(screen, "cmbProspect"), prospect) || action->count() < 2)
            throw std::runtime_error("the contact screen cannot show the prospect");

        int run = 0;
        const double proposal = medianMs(context.runs * 5, [&] {
            action->setCurrentIndex(run++ % 2);
            QApplication::processEvents();
        });
        if (nextPhase->currentIndex() < 0)
            throw std::runtime_error("choosing an action proposed nothing");
        context.add({ QStringLiteral("contact screen: proposal on choosing an action"), people, proposal, -1 });

        auto* save = screen->findChild<QPushButton*>(QStringLiteral("btnSave"));
        const double saveNew = medianMs(
            context.runs,
            [&] {
                save->click();
                QApplication::processEvents();
            },
            [&] {
                selectById(combo(screen, "cmbProspect"), prospect);
                chooseFirst(action);
                chooseFirst(combo(screen, "cmbVisitor1"));
                chooseFirst(combo(screen, "cmbRating"));
            });
        if (combo(screen, "cmbProspect")->currentIndex() >= 0)
            throw std::runtime_error("Save And New did not save");
        context.add({ QStringLiteral("contact screen: Save And New, member screen reloaded"), people, saveNew, -1 });
        program.closeAll();
    }

    // The navigators: opening, "Find" for everybody through the screen, the
    // contacts following the current prospect, and the list and labels of
    // everybody found, each with the program's peak memory while it ran.
    void addNavigatorScreenRows(BenchContext& context, Program& program)
    {
        const QString people = QStringLiteral("%1 people").arg(context.people);
        const QList<QPair<QString, QString>> navigators
            = { { QStringLiteral("MemberNavigator"), QStringLiteral("frmMemberNavigator") },
                  { QStringLiteral("ProspectNavigator"), QStringLiteral("frmProspectNavigator") } };
        for (const auto& screen : navigators) {
            const double stale = medianMs(
                context.runs, [&] { program.openFromMenu(screen.first, screen.second); },
                [&] {
                    program.closeAll();
                    program.window->workspace()->lists()->lookupsChanged();
                });
            context.add({ QStringLiteral("%1: menu to painted, lists read").arg(screen.second), people, stale, -1 });
            const double shared = medianMs(
                context.runs, [&] { program.openFromMenu(screen.first, screen.second); }, [&] { program.closeAll(); });
            context.add({ QStringLiteral("%1: menu to painted, lists shared").arg(screen.second), people, shared, -1 });
        }

        // "Find" with nothing filled in: every person into the grid, shown.
        program.closeAll();
        program.openFromMenu(QStringLiteral("MemberNavigator"), QStringLiteral("frmMemberNavigator"));
        QWidget* members = program.window->workspace()->find(QStringLiteral("frmMemberNavigator"));
        auto* grid = members->findChild<QTableView*>(QStringLiteral("vsfgMembers"));
        const double find = medianMs(context.runs, [&] { program.press(members, "btnFind"); });
        const int found = grid->model()->rowCount();
        context.add(
            { QStringLiteral("frmMemberNavigator: Find, no criteria, grid shown"), QStringLiteral("%1 rows").arg(found),
                find, rawQueryMs(context.church(), rawSearchSql(navigators::memberSearch({})), context.runs) });

        // The member list and the labels of everybody found, read, laid out
        // and shown in the Report Viewer behind a progress dialog. One run each.
        for (const auto& print :
            { std::pair { "btnPrintList", "member list" }, std::pair { "btnPrintMailingLabels", "mailing labels" } }) {
            program.window->workspace()->area()->setActiveSubWindow(
                qobject_cast<QMdiSubWindow*>(members->parentWidget()));
            resetPeakMemory();
            const double before = residentMemoryMb();
            const double ms = medianMs(1, [&] {
                program.press(members, print.first);
                if (auto* viewer = program.window->workspace()->find<reports::Viewer>())
                    viewer->parentWidget()->repaint();
            });
            auto* viewer = program.window->workspace()->find<reports::Viewer>();
            if (!viewer || viewer->pageCount() == 0)
                throw std::runtime_error("the report viewer shows nothing");
            const QString what = QLatin1String(print.second);
            context.add({ QStringLiteral("frmMemberNavigator: %1 of everybody found, first page shown").arg(what),
                QStringLiteral("%1 rows").arg(found), ms, -1 });
            // A long list goes on being laid out in the viewer, a step at a
            // time between the window's events, until its page count is known.
            const reports::ReportPtr report = viewer->report();
            if (report->data().feed) {
                const double rest = medianMs(1, [&] {
                    while (!report->isPaginated())
                        QApplication::processEvents();
                });
                context.add({ QStringLiteral("frmMemberNavigator: %1 of everybody found, the rest laid out").arg(what),
                    QStringLiteral("%1 rows").arg(found), rest, -1 });
            }
            context.add({ QStringLiteral("frmMemberNavigator: %1 of everybody found, peak memory").arg(what),
                QStringLiteral("%1 pages, %2 MB before").arg(viewer->pageCount()).arg(QString::number(before, 'f', 0)),
                peakMemoryMb(), -1, true });
        }
        program.closeAll();

        // A change of the current prospect row: that prospect's contacts.
        program.openFromMenu(QStringLiteral("ProspectNavigator"), QStringLiteral("frmProspectNavigator"));
        QWidget* prospects = program.window->workspace()->find(QStringLiteral("frmProspectNavigator"));
        program.press(prospects, "btnFind");
        auto* prospectGrid = prospects->findChild<QTableView*>(QStringLiteral("vsfgMembers"));
        auto* contactGrid = prospects->findChild<QTableView*>(QStringLiteral("vsfgContact"));
        const qint64 busiest = program.session.db()
                                   .scalar(QStringLiteral("SELECT Prospect_ID FROM Prospect_Contact GROUP BY "
                                                           "Prospect_ID ORDER BY COUNT(*) DESC LIMIT 1"))
                                   .toLongLong();
        int busiestRow = 0;
        QAbstractItemModel* model = prospectGrid->model();
        for (int r = 0; r < model->rowCount(); ++r) {
            if (model->index(r, 0).data().toLongLong() == busiest) {
                busiestRow = r;
                break;
            }
        }
        int step = 0;
        const double change = medianMs(context.runs, [&] {
            // The busiest prospect and its neighbour in turn, so each run is a change.
            const int row = step++ % 2 ? busiestRow : (busiestRow + 1) % model->rowCount();
            prospectGrid->setCurrentIndex(model->index(row, 1));
            contactGrid->repaint();
        });
        prospectGrid->setCurrentIndex(model->index(busiestRow, 1));
        context.add({ QStringLiteral("frmProspectNavigator: change of the current prospect row"),
            QStringLiteral("%1 contacts").arg(contactGrid->model()->rowCount()), change, -1 });
        program.closeAll();
    }

} // namespace

void addScreenRows(BenchContext& context)
{
    Program program(context);
    const QString people = QStringLiteral("%1 people").arg(context.people);
    const double rawPeople = rawQueryMs(context.church(),
        QStringLiteral("SELECT ID, Last_Name, First_Name, Middle_Name, Title, Status, Head_Of_Household FROM Member "
                       "ORDER BY Last_Name COLLATE %1, First_Name COLLATE %1, Middle_Name COLLATE %1, ID")
            .arg(rawCaseBlind(context.church())),
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
        context.add(
            { QStringLiteral("%1: menu to painted, after the member screen").arg(launcher.second), people, ms, -1 });
    }

    addOutreachRows(context, program);
    addNavigatorScreenRows(context, program);

    // The administration screens, each opened while the member screen is
    // open (the class and care group screens fill two lists of every person).
    const QList<QPair<QString, QString>> adminScreens
        = { { QStringLiteral("SSClassEntry"), QStringLiteral("frmSSClassEntry") },
              { QStringLiteral("DTClassEntry"), QStringLiteral("frmDTClassEntry") },
              { QStringLiteral("WedClassEntry"), QStringLiteral("frmWedClassEntry") },
              { QStringLiteral("CGEntry"), QStringLiteral("frmCGClassEntry") },
              { QStringLiteral("ChurchResponsibilityEntry"), QStringLiteral("frmResponsibilityEntry") },
              { QStringLiteral("UserEntry"), QStringLiteral("frmUserEntry") },
              { QStringLiteral("CompanyInfo"), QStringLiteral("frmChurchInfo") } };
    for (const auto& screen : adminScreens) {
        const double ms = medianMs(
            context.runs, [&] { program.openFromMenu(screen.first, screen.second); },
            [&] {
                program.closeAll();
                program.openFromMenu(QStringLiteral("MemberEntry"), QStringLiteral("frmMemberEntry"));
            });
        context.add(
            { QStringLiteral("%1: menu to painted, after the member screen").arg(screen.second), people, ms, -1 });
    }
    const double coldClass = medianMs(
        context.runs, [&] { program.openFromMenu(QStringLiteral("SSClassEntry"), QStringLiteral("frmSSClassEntry")); },
        [&] {
            program.closeAll();
            program.window->workspace()->lists()->membersChanged();
        });
    context.add({ QStringLiteral("frmSSClassEntry: menu to painted, people read"), people, coldClass, rawPeople });

    // A class saved while the member screen shows a person: the save, the
    // announcement and the member screen refilling its lists.
    QWidget* classes = nullptr;
    int round = 0;
    const double save = medianMs(
        context.runs,
        [&] {
            classes->findChild<QPushButton*>(QStringLiteral("btnSave"))->click();
            if (program.window->workspace()->find(QStringLiteral("frmSSClassEntry")))
                throw std::runtime_error("the class screen did not save");
            QApplication::processEvents();
        },
        [&] {
            program.closeAll();
            program.openFromMenu(QStringLiteral("MemberEntry"), QStringLiteral("frmMemberEntry"));
            QWidget* member = program.window->workspace()->find(QStringLiteral("frmMemberEntry"));
            auto* people = member->findChild<QComboBox*>(QStringLiteral("cmbMember"));
            people->setCurrentIndex(people->count() / 2);
            program.openFromMenu(QStringLiteral("SSClassEntry"), QStringLiteral("frmSSClassEntry"));
            classes = program.window->workspace()->find(QStringLiteral("frmSSClassEntry"));
            auto* names = classes->findChild<QComboBox*>(QStringLiteral("cmbName"));
            names->setCurrentIndex(names->count() / 2);
            classes->findChild<QLineEdit*>(QStringLiteral("txtDescription"))
                ->setText(QStringLiteral("Timed save %1").arg(++round));
        });
    context.add({ QStringLiteral("class save with the member screen open, its lists refilled"), people, save, -1 });
}

} // namespace pw::bench
