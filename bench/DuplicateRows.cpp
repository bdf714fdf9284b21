#include "Bench.h"

#include "data/Database.h"
#include "data/Members.h"
#include "people/Duplicates.h"
#include "people/PossibleDuplicates.h"

#include <stdexcept>

namespace pw::bench {

void addDuplicateRows(BenchContext& context)
{
    std::unique_ptr<Database> db = Database::open(context.church(), Database::OpenMode::ExistingOnly);

    // Possible Duplicates: every person matched against everyone else.
    // A church given with --database may have none; the demo church has a few.
    int pairs = 0;
    const double all = medianMs(context.runs, [&] { pairs = int(people::findPossibleDuplicates(*db).size()); });
    context.add({ QStringLiteral("possible duplicates over the whole church (Possible Duplicates)"),
        QStringLiteral("%1 people, %2 pairs").arg(context.people).arg(pairs), all, -1 });

    // The check before a new person given by name alone is saved, the name
    // typed in another letter case than it is stored.
    MemberRecord typed;
    db->scan(QStringLiteral("SELECT First_Name, Last_Name FROM Member WHERE ID = (SELECT MAX(ID) FROM Member)"), {},
        [&](const RowView& row) {
            typed.firstName = row.text(0).toUpper();
            typed.lastName = row.text(1).toLower();
        });
    int found = 0;
    const double check = medianMs(context.runs, [&] { found = int(people::findDuplicates(*db, typed).size()); });
    if (found == 0 && !typed.lastName.isEmpty())
        throw std::runtime_error("the duplicate check missed a name typed in other letter case");
    context.add({ QStringLiteral("duplicate check when saving a new person by name alone"),
        QStringLiteral("%1 people").arg(context.people), check, -1 });
}

} // namespace pw::bench
