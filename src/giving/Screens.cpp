#include "giving/Screens.h"

#include "app/Permissions.h"
#include "app/Workspace.h"
#include "giving/frmContributionStatements.h"
#include "giving/frmFunds.h"
#include "giving/frmGiftEntry.h"
#include "giving/frmGivingReports.h"
#include "giving/frmImportGifts.h"

#include <QCoreApplication>

namespace pw::giving {

namespace {
    struct GivingScreens {
        Q_DECLARE_TR_FUNCTIONS(GivingScreens)
    };

} // namespace

void registerScreens(Workspace& workspace)
{
    // "Giving View" looks at the batches; "Giving Entry/Edit" enters gifts
    // (the screen is view only without it).
    workspace.registerScreen(
        { QStringLiteral("frmGiftEntry"), { perm::GivingView }, refusal::View, [] { return new frmGiftEntry; } });
    workspace.registerScreen(
        { QStringLiteral("frmFunds"), { perm::Admin }, adminRefusal(GivingScreens::tr("change the funds")),
            [] { return new frmFunds; }, Workspace::Placement::Centred });
    workspace.registerScreen({ QStringLiteral("frmContributionStatements"), { perm::GivingView }, refusal::ViewReport,
        [] { return new frmContributionStatements; }, Workspace::Placement::Centred });
    workspace.registerScreen({ QStringLiteral("frmImportGifts"), { perm::GivingEntry }, refusal::View,
        [] { return new frmImportGifts; }, Workspace::Placement::Centred });
    workspace.registerScreen({ QStringLiteral("frmGivingReports"), { perm::GivingView }, refusal::ViewReport,
        [] { return new frmGivingReports; }, Workspace::Placement::Centred });
}

} // namespace pw::giving
