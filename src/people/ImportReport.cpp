#include "people/ImportReport.h"

#include "people/ImportPlan.h"

#include <QDir>

namespace pw::people {

namespace {

    QString native(const QString& path) { return QDir::toNativeSeparators(path); }

    QString source(const ImportPlan& plan)
    {
        const CsvTable& t = plan.table();
        return QStringLiteral("\"%1\" (%2, %3 separated, %4 rows)")
            .arg(native(t.file), t.encoding, separatorName(t.separator))
            .arg(t.rows.size());
    }

    QString actionText(DuplicateAction action)
    {
        switch (action) {
        case DuplicateAction::Skip:
            return QStringLiteral("skipped");
        case DuplicateAction::Fill:
            return QStringLiteral("empty fields filled");
        case DuplicateAction::Add:
            return QStringLiteral("added anyway");
        }
        return {};
    }

    QString listedValues(const ImportPlan& plan)
    {
        if (plan.unknownValues().isEmpty())
            return {};
        return (plan.mapping().addUnknownValues
                ? QStringLiteral("Values added to their lists: %1.\n")
                : QStringLiteral("Values not in their lists, stored as they are: %1.\n"))
            .arg(plan.unknownValues().join(QStringLiteral(", ")));
    }

    // The values given to rows without one, and the new people who still
    // lack a field every person needs.
    QString requiredFields(const ImportPlan& plan, const Preview& p, bool done)
    {
        QString out;
        if (!plan.givenValues().isEmpty())
            out += QStringLiteral("Given to every person without one: %1.\n")
                       .arg(plan.givenValues().join(QStringLiteral(", ")));
        if (p.withoutRequired == 0)
            return out;
        QStringList fields;
        for (auto it = p.missing.cbegin(); it != p.missing.cend(); ++it)
            fields.append(QStringLiteral("%1 without %2").arg(it.value()).arg(it.key()));
        out += QStringLiteral("%1 without a field every person needs: %2 (%3). The member screen saves no change to "
                              "them until it is filled; the import's choices (or a mapping's \"defaults\") can give "
                              "every person a value.\n")
                   .arg(done ? QStringLiteral("People added") : QStringLiteral("New people"))
                   .arg(p.withoutRequired)
                   .arg(fields.join(QStringLiteral(", ")));
        return out;
    }

} // namespace

QString previewText(Database& db, const ImportPlan& plan)
{
    const Preview p = plan.preview();
    QString out = QStringLiteral("Preview of %1; nothing has been written.\n\n").arg(source(plan));
    out += QStringLiteral("New people:         %1\n").arg(p.newPeople);
    out += QStringLiteral("New families:       %1\n").arg(p.families);
    out += QStringLiteral("Updates:            %1\n").arg(p.updates);
    out += QStringLiteral("Duplicates:         %1\n").arg(p.duplicates);
    out += QStringLiteral("Rows with problems: %1\n").arg(p.problemRows);
    out += requiredFields(plan, p, false);
    out += listedValues(plan);
    if (!plan.problems().isEmpty()) {
        out += QStringLiteral("\nProblems:\n");
        for (const RowProblem& problem : plan.problems())
            out += QStringLiteral("Line %1: %2%3\n")
                       .arg(problem.line)
                       .arg(problem.what, problem.stored ? QString() : QStringLiteral(" (not stored)"));
    }
    bool header = false;
    for (const PlannedPerson& person : plan.people()) {
        if (!person.isDuplicate())
            continue;
        if (!header)
            out += QStringLiteral("\nDuplicates:\n");
        header = true;
        QStringList names;
        for (const DuplicateMatch& match : person.matches)
            names.append(QStringLiteral("%1: %2").arg(plan.matchName(db, match), describeReasons(match.reasons)));
        out += QStringLiteral("Line %1: %2 %3 matches %4; %5\n")
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
        out += QStringLiteral("The import of %1 into %2 failed; nothing of it was written.\n%3\n")
                   .arg(source(plan), r.target, r.failure);
        if (!r.backupPath.isEmpty())
            out += QStringLiteral("The backup made before it is \"%1\".\n").arg(native(r.backupPath));
        return out;
    }
    out += QStringLiteral("Imported %1 into %2.\n").arg(source(plan), r.target);
    if (!r.backupPath.isEmpty())
        out += QStringLiteral("Backup made before the import: \"%1\".\n").arg(native(r.backupPath));
    out += QLatin1Char('\n');
    out += QStringLiteral("People added:                %1\n").arg(r.added);
    out += QStringLiteral("Existing people filled in:   %1\n").arg(r.filled);
    out += QStringLiteral("Duplicates skipped:          %1\n").arg(r.skipped);
    out += QStringLiteral("Family connections made:     %1\n").arg(r.links);
    const Preview p = plan.preview();
    out += QStringLiteral("Rows not stored:             %1\n").arg(p.notStored);
    out += requiredFields(plan, p, true);
    out += listedValues(plan);
    if (!r.rejectsFile.isEmpty())
        out += QStringLiteral("Rows with problems: %1. Each is listed in \"%2\".\n")
                   .arg(p.problemRows)
                   .arg(native(r.rejectsFile));
    return out;
}

QString rejectsText(const ImportPlan& plan, const ImportResult& r)
{
    QString out = QStringLiteral("Rows of \"%1\" not stored in %2, and values changed to store a row.\n"
                                 "Line is the row's line in the file (the column names are line 1).\n\n")
                      .arg(native(plan.table().file), r.target);
    out += QStringLiteral("Line\tRow\tWhat happened\n");
    for (const RowProblem& p : plan.problems()) {
        out += QString::number(p.line) + QLatin1Char('\t') + QString(p.row).replace(QLatin1Char('\n'), QLatin1Char(' '))
            + QLatin1Char('\t') + (p.stored ? QStringLiteral("stored; ") : QStringLiteral("not stored: ")) + p.what
            + QLatin1Char('\n');
    }
    return out;
}

} // namespace pw::people
