#include "Bench.h"

#include "app/Workspace.h"
#include "data/Database.h"
#include "rosters/Fill.h"
#include "rosters/Rosters.h"
#include "rosters/frmRosters.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QMdiArea>
#include <QTableWidget>

namespace pw::bench {

namespace {

    // The responsibilities whose holders fill the bench's positions at the
    // Sunday morning worship, beside the demo church's own positions.
    const char* const kResponsibilities[] = { "Usher", "Greeter", "Choir", "Nursery Worker", "Sound Technician",
        "Youth Worker", "Food Pantry Volunteer", "Outreach Team", "Vacation Bible School", "Missions Committee" };

    // Ten active positions at the worship service, made in the bench's copy
    // of the church when it has fewer.
    std::vector<rosters::Position> worshipPositions(Database& db)
    {
        std::vector<rosters::Position> all = rosters::positions(db);
        std::vector<rosters::Position> worship;
        for (const rosters::Position& p : all)
            if (p.service == QLatin1String("WS"))
                worship.push_back(p);
        for (const char* responsibility : kResponsibilities) {
            if (worship.size() >= 10)
                break;
            rosters::Position p;
            p.name = QStringLiteral("Bench %1").arg(QString::fromLatin1(responsibility));
            p.service = QStringLiteral("WS");
            p.needed = 2;
            p.responsibility = QString::fromLatin1(responsibility);
            p.order = 100 + int(worship.size());
            p.id = rosters::savePosition(db, p);
            worship.push_back(p);
        }
        worship.resize(10);
        return worship;
    }

} // namespace

void addRosterRows(BenchContext& context)
{
    Session session(context);
    Database& db = session.db();
    const std::vector<rosters::Position> positions = worshipPositions(db);
    // The next quarter from the church's latest turn (the demo fills one).
    const QVariant latest = db.scalar(QStringLiteral("SELECT MAX(Serve_Date) FROM Roster_Assignment"));
    QDate start = latest.isNull() ? QDate::currentDate() : QDate::fromString(latest.toString(), Qt::ISODate);
    start = QDate(start.year(), start.month(), 1).addMonths(1);
    const QDate end = start.addMonths(3).addDays(-1);
    const QString size = QStringLiteral("%1 people, 10 positions").arg(context.people);

    rosters::FillProposal proposal;
    const double filled
        = medianMs(context.runs, [&] { proposal = rosters::fill(rosters::fillInput(db, positions, start, end)); });
    if (proposal.proposed.empty())
        throw std::runtime_error("the fill proposed nobody");
    context.add({ QStringLiteral("rosters: Fill of a quarter proposed (%1 turns)").arg(proposal.proposed.size()), size,
        filled, -1 });

    // The quarter saved as proposed, then the roster screen opened on it as
    // a coordinator waits for it.
    rosters::RosterChanges changes;
    changes.added = proposal.proposed;
    rosters::saveChanges(
        db, changes, rosters::OnConflict::KeepMine, QStringLiteral("bench"), QDateTime::currentDateTime());
    QMdiArea area;
    Workspace workspace(&area);
    setWorkspace(&workspace);
    int rows = 0;
    const double opened = medianMs(context.runs, [&] {
        rosters::frmRosters form;
        form.show();
        QApplication::processEvents();
        form.findChild<QComboBox*>(QStringLiteral("cmbPeriod"))->setCurrentIndex(1);
        form.findChild<QDateEdit*>(QStringLiteral("dtMonth"))->setDate(start);
        QApplication::processEvents();
        rows = form.findChild<QTableWidget*>(QStringLiteral("grdRoster"))->rowCount();
    });
    if (rows < 12)
        throw std::runtime_error("the roster screen did not show the quarter");
    context.add(
        { QStringLiteral("rosters: the roster screen opened, then the filled quarter shown"), size, opened, -1 });
    setWorkspace(nullptr);
}

} // namespace pw::bench
