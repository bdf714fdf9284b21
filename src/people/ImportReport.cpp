#include "people/ImportReport.h"

#include "people/ImportPlan.h"

#include <QCoreApplication>
#include <QDir>

namespace pw::people {

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(ImportReport)
    };

    QString native(const QString& path) { return QDir::toNativeSeparators(path); }

    QString source(const ImportPlan& plan)
    {
        const CsvTable& t = plan.table();
        return Tr::tr("\"%1\" (%2, %3 separated, %4 rows)")
            .arg(native(t.file), t.encoding, separatorName(t.separator))
            .arg(t.rows.size());
    }

    QString actionText(DuplicateAction action)
    {
        switch (action) {
        case DuplicateAction::Skip:
            return Tr::tr("skipped");
        case DuplicateAction::Fill:
            return Tr::tr("empty fields filled");
        case DuplicateAction::Add:
            return Tr::tr("added anyway");
        }
        return {};
    }

    QString listedValues(const ImportPlan& plan)
    {
        if (plan.unknownValues().isEmpty())
            return {};
        return (plan.mapping().addUnknownValues ? Tr::tr("Values added to their lists: %1.\n")
                                                : Tr::tr("Values not in their lists, stored as they are: %1.\n"))
            .arg(plan.unknownValues().join(QStringLiteral(", ")));
    }

    // The values given to rows without one, and the new people who still
    // lack a field every person needs.
    QString requiredFields(const ImportPlan& plan, const Preview& p, bool done)
    {
        QString out;
        if (!plan.givenValues().isEmpty())
            out += Tr::tr("Given to every person without one: %1.\n")
                       .arg(plan.givenValues().join(QStringLiteral(", ")));
        if (p.withoutRequired == 0)
            return out;
        QStringList fields;
        for (auto it = p.missing.cbegin(); it != p.missing.cend(); ++it)
            fields.append(Tr::tr("%1 without %2")
                              .arg(it.value())
                              .arg(QCoreApplication::translate("RequiredFields", it.key().toUtf8().constData())));
        out += Tr::tr("%1 without a field every person needs: %2 (%3). The member screen saves no change to "
                      "them until it is filled; the import's choices (or a mapping's \"defaults\") can give "
                      "every person a value.\n")
                   .arg(done ? Tr::tr("People added") : Tr::tr("New people"))
                   .arg(p.withoutRequired)
                   .arg(fields.join(QStringLiteral(", ")));
        return out;
    }

} // namespace

QString previewText(Database& db, const ImportPlan& plan)
{
    const Preview p = plan.preview();
    QString out = Tr::tr("Preview of %1; nothing has been written.\n\n").arg(source(plan));
    out += Tr::tr("New people:         %1\n").arg(p.newPeople);
    out += Tr::tr("New families:       %1\n").arg(p.families);
    out += Tr::tr("Updates:            %1\n").arg(p.updates);
    out += Tr::tr("Duplicates:         %1\n").arg(p.duplicates);
    out += Tr::tr("Rows with problems: %1\n").arg(p.problemRows);
    out += requiredFields(plan, p, false);
    out += listedValues(plan);
    if (!plan.problems().isEmpty()) {
        out += Tr::tr("\nProblems:\n");
        for (const RowProblem& problem : plan.problems())
            out += Tr::tr("Line %1: %2%3\n")
                       .arg(problem.line)
                       .arg(problem.what, problem.stored ? QString() : Tr::tr(" (not stored)"));
    }
    bool header = false;
    for (const PlannedPerson& person : plan.people()) {
        if (!person.isDuplicate())
            continue;
        if (!header)
            out += Tr::tr("\nDuplicates:\n");
        header = true;
        QStringList names;
        for (const DuplicateMatch& match : person.matches)
            names.append(QStringLiteral("%1: %2").arg(plan.matchName(db, match), describeReasons(match.reasons)));
        out += Tr::tr("Line %1: %2 %3 matches %4; %5\n")
                   .arg(person.line)
                   .arg(person.record.firstName, person.record.lastName, names.join(QStringLiteral("; ")),
                       actionText(person.action));
    }
    return out;
}

QString reportText(const ImportPlan& plan, const ImportResult& r)
{
    QString out;
    if (!r.succeeded) {
        out += Tr::tr("The import of %1 into %2 failed; nothing of it was written.\n%3\n")
                   .arg(source(plan), r.target, r.failure);
        if (!r.backupPath.isEmpty())
            out += Tr::tr("The backup made before it is \"%1\".\n").arg(native(r.backupPath));
        return out;
    }
    out += Tr::tr("Imported %1 into %2.\n").arg(source(plan), r.target);
    if (!r.backupPath.isEmpty())
        out += Tr::tr("Backup made before the import: \"%1\".\n").arg(native(r.backupPath));
    out += QLatin1Char('\n');
    out += Tr::tr("People added:                %1\n").arg(r.added);
    out += Tr::tr("Existing people filled in:   %1\n").arg(r.filled);
    out += Tr::tr("Duplicates skipped:          %1\n").arg(r.skipped);
    out += Tr::tr("Family connections made:     %1\n").arg(r.links);
    const Preview p = plan.preview();
    out += Tr::tr("Rows not stored:             %1\n").arg(p.notStored);
    out += requiredFields(plan, p, true);
    out += listedValues(plan);
    if (!r.rejectsFile.isEmpty())
        out += Tr::tr("Rows with problems: %1. Each is listed in \"%2\".\n")
                   .arg(p.problemRows)
                   .arg(native(r.rejectsFile));
    return out;
}

QString rejectsText(const ImportPlan& plan, const ImportResult& r)
{
    QString out = Tr::tr("Rows of \"%1\" not stored in %2, and values changed to store a row.\n"
                         "Line is the row's line in the file (the column names are line 1).\n\n")
                      .arg(native(plan.table().file), r.target);
    out += Tr::tr("Line\tRow\tWhat happened\n");
    for (const RowProblem& p : plan.problems()) {
        out += QString::number(p.line) + QLatin1Char('\t') + QString(p.row).replace(QLatin1Char('\n'), QLatin1Char(' '))
            + QLatin1Char('\t') + (p.stored ? Tr::tr("stored; ") : Tr::tr("not stored: ")) + p.what + QLatin1Char('\n');
    }
    return out;
}

} // namespace pw::people
