#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace pw {
class Database;

// The values a new database starts with. The lookup tables are kept outside
// the screens, so these lists are what a new church sees until it edits them.
namespace seed {

    struct Phase {
        int order;
        QString name;
        QString action;
        int weeks;
    };

    const QStringList& memberStatuses();
    const QStringList& churchStatuses();
    const QStringList& prospectStatuses();
    const QStringList& titles();
    const QStringList& states();
    const QStringList& attendanceLevels();
    const QStringList& relationships();
    const QStringList& prospectActions();
    const QStringList& contactRatings();
    const QList<Phase>& outreachPhases();

    // Fills the lookup tables, the sixteen permissions, the two account types,
    // the starter outreach phases and the "Deacon" responsibility.
    void insertSeedValues(Database& db);

} // namespace seed
} // namespace pw
