#include "i18n/Language.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>
#include <memory>

namespace pw::i18n {

namespace {

    const QString kSettingsKey = QStringLiteral("language");

    struct Installed {
        QString code = QStringLiteral("en");
        std::unique_ptr<QTranslator> program;
        std::unique_ptr<QTranslator> qt;
    };

    Installed& installed()
    {
        static Installed state;
        return state;
    }

    bool known(const QString& code)
    {
        for (const Language& language : languages())
            if (language.code == code)
                return true;
        return false;
    }

    // A catalogue carried in the program, or nullptr when it is not there.
    std::unique_ptr<QTranslator> load(const QString& file)
    {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(QStringLiteral(":/i18n/") + file))
            return nullptr;
        return translator;
    }

} // namespace

QList<Language> languages()
{
    return {
        { QStringLiteral("en"), QStringLiteral("English") },
        { QStringLiteral("es"), QStringLiteral("Español") },
        { QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)") },
    };
}

QString languageOf(const QLocale& locale)
{
    switch (locale.language()) {
    case QLocale::Spanish:
        return QStringLiteral("es");
    case QLocale::Portuguese:
        return QStringLiteral("pt_BR");
    default:
        return QStringLiteral("en");
    }
}

QString storedChoice(const QSettings& settings)
{
    const QString code = settings.value(kSettingsKey).toString();
    return known(code) ? code : QString();
}

void storeChoice(QSettings& settings, const QString& code)
{
    if (code.isEmpty())
        settings.remove(kSettingsKey);
    else
        settings.setValue(kSettingsKey, code);
    settings.sync();
}

QString startingLanguage(const QSettings& settings, const QLocale& desktop)
{
    const QString chosen = storedChoice(settings);
    return chosen.isEmpty() ? languageOf(desktop) : chosen;
}

bool use(const QString& code, const QLocale& desktop)
{
    Installed& state = installed();
    if (state.program)
        QCoreApplication::removeTranslator(state.program.get());
    if (state.qt)
        QCoreApplication::removeTranslator(state.qt.get());
    state.program.reset();
    state.qt.reset();
    state.code = known(code) ? code : QStringLiteral("en");

    // The desktop's locale when it speaks the language (its country's
    // customs: es_MX, es_US; for English also the plain C locale, so nothing
    // changes there), else the language's own.
    if (languageOf(desktop) == state.code)
        QLocale::setDefault(desktop);
    else if (state.code == QLatin1String("en"))
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    else
        QLocale::setDefault(QLocale(state.code));

    if (state.code == QLatin1String("en"))
        return true;
    state.program = load(QStringLiteral("pewlark_%1.qm").arg(state.code));
    state.qt = load(QStringLiteral("qtbase_%1.qm").arg(state.code));
    if (state.program)
        QCoreApplication::installTranslator(state.program.get());
    if (state.qt)
        QCoreApplication::installTranslator(state.qt.get());
    return state.program != nullptr;
}

QString current() { return installed().code; }

} // namespace pw::i18n
