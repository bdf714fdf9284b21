#include "data/Classes.h"
#include <QCoreApplication>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Classes)
};
} // namespace

namespace pw::Classes {

namespace {

    rows::Table describe(Lookups::ClassKind kind)
    {
        using rows::Kind;
        return { Lookups::classTable(kind), QStringLiteral("ID"),
            { { QStringLiteral("Name"), Kind::Text }, { QStringLiteral("Description"), Kind::Text },
                { QStringLiteral("Teacher"), Kind::Id }, { QStringLiteral("Asst_Teacher"), Kind::Id },
                { QStringLiteral("Location"), Kind::Text }, { QStringLiteral("Notes"), Kind::Text } },
            [](Database&, const rows::Values& loaded) {
                return Tr::tr("the class \"%1\"").arg(loaded.value(QStringLiteral("Name")).toString());
            } };
    }

} // namespace

const rows::Table& table(Lookups::ClassKind kind)
{
    static const rows::Table sundaySchool = describe(Lookups::ClassKind::SundaySchool);
    static const rows::Table discipleship = describe(Lookups::ClassKind::DiscipleshipTraining);
    static const rows::Table wednesday = describe(Lookups::ClassKind::WednesdayNight);
    switch (kind) {
    case Lookups::ClassKind::SundaySchool:
        return sundaySchool;
    case Lookups::ClassKind::DiscipleshipTraining:
        return discipleship;
    case Lookups::ClassKind::WednesdayNight:
        break;
    }
    return wednesday;
}

} // namespace pw::Classes
