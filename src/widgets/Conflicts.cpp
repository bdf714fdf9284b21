#include "widgets/Conflicts.h"

#include "widgets/Context.h"
#include "widgets/FormHelpers.h"
#include "widgets/Messages.h"

#include <QCoreApplication>
#include <QLocale>

namespace pw {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(Conflicts)
    };
} // namespace

QString conflictQuestion(const QString& what, const QStringList& fields, const QString& by, const QDateTime& on)
{
    QString who = by.isEmpty() ? Tr::tr("another user") : by;
    if (on.isValid())
        //: who changed the fields, and when
        who = Tr::tr("%1 on %2").arg(who, QLocale().toString(on, QLocale::ShortFormat));
    QStringList quoted;
    for (const QString& f : fields)
        quoted.append(QStringLiteral("\"%1\"").arg(f));
    const QString question = fields.size() == 1
        ? Tr::tr("While you were editing this %1, %2 changed the same field at another workstation: "
                 "%3.\n\nKeep their values, keep yours, or cancel the save?")
        : Tr::tr("While you were editing this %1, %2 changed the same fields at another workstation: "
                 "%3.\n\nKeep their values, keep yours, or cancel the save?");
    return question.arg(what, who, quoted.join(QStringLiteral(", ")));
}

QStringList conflictFields(
    const std::vector<threeway::Conflict>& conflicts, const std::function<QString(const QString& column)>& caption)
{
    QStringList fields;
    for (const threeway::Conflict& c : conflicts)
        fields.append(caption ? caption(c.column) : c.column);
    return fields;
}

std::optional<threeway::OnConflict> askAboutConflicts(const QString& question)
{
    const int answer = messages().choose(question, QStringLiteral("Pewlark"),
        { Tr::tr("Keep theirs"), Tr::tr("Keep mine"), Tr::tr("Cancel") }, 2, 2, Icon::Warning);
    if (answer == 0)
        return threeway::OnConflict::KeepTheirs;
    if (answer == 1)
        return threeway::OnConflict::KeepMine;
    return std::nullopt;
}

bool saveAskingOnConflict(const std::function<QString(threeway::OnConflict how)>& save)
{
    threeway::OnConflict how = threeway::OnConflict::Report;
    for (;;) {
        QString question;
        {
            BusyCursor busy;
            question = save(how);
        }
        if (question.isEmpty())
            return true;
        // Nothing was written: the user decides, and the next save applies
        // the answer to the row as it is then.
        const std::optional<threeway::OnConflict> answer = askAboutConflicts(question);
        if (!answer)
            return false;
        how = *answer;
    }
}

} // namespace pw
