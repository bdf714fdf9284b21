#include "app/LanguageMenu.h"

#include "i18n/Language.h"
#include "widgets/Context.h"
#include "widgets/Messages.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QSettings>

namespace pw {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(LanguageMenu)
    };
} // namespace

QMenu* makeLanguageMenu(QWidget* parent)
{
    auto* menu = new QMenu(Tr::tr("&Language"), parent);
    menu->setObjectName(QStringLiteral("Language"));
    menu->menuAction()->setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    // The choice kept, or the language in use when none is.
    const QString chosen = i18n::storedChoice(*storedSettings());
    const QString ticked = chosen.isEmpty() ? i18n::current() : chosen;
    for (const i18n::Language& language : i18n::languages()) {
        QAction* action = menu->addAction(language.name);
        action->setObjectName(QStringLiteral("Language_") + language.code);
        action->setCheckable(true);
        group->addAction(action);
        action->setChecked(language.code == ticked);
        QObject::connect(action, &QAction::triggered, menu, [code = language.code, name = language.name] {
            const auto settings = storedSettings();
            if (code == i18n::storedChoice(*settings))
                return;
            i18n::storeChoice(*settings, code);
            if (code == i18n::current())
                return;
            messages().show(Tr::tr("Pewlark will speak %1 from the next time it starts.").arg(name),
                QStringLiteral("Pewlark"), Icon::Information);
        });
    }
    return menu;
}

} // namespace pw
