#include "legacy/ImportReport.h"

#include <QCoreApplication>
#include <QDir>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(ImportReport)
};
} // namespace

namespace pw::legacy {

namespace {

    QString listed(const QStringList& items, int shown = 20)
    {
        QString text = items.mid(0, shown).join(QStringLiteral(", "));
        if (items.size() > shown)
            text += Tr::tr(" and %1 more").arg(items.size() - shown);
        return text;
    }

    QString padded(const QString& text, int width, bool right)
    {
        return right ? text.rightJustified(width) : text.leftJustified(width);
    }

} // namespace

QString reportText(const ImportResult& r, const QString& oldFile)
{
    QString out;
    if (r.succeeded)
        out += Tr::tr("Imported \"%1\" (%2) into \"%3\".\n\n")
                   .arg(QDir::toNativeSeparators(oldFile), JetTools::versionName(r.version),
                       QDir::toNativeSeparators(r.target));
    else
        out += Tr::tr("Read \"%1\" (%2); the import into \"%3\" failed.\n\n")
                   .arg(QDir::toNativeSeparators(oldFile), JetTools::versionName(r.version),
                       QDir::toNativeSeparators(r.target));

    int width = 5;
    for (const TableResult& t : r.tables)
        width = qMax(width, static_cast<int>(t.name.size()));
    out += padded(Tr::tr("Table"), width, false) + Tr::tr("   Old file  New database  Not stored\n");
    for (const TableResult& t : r.tables) {
        out += padded(t.name, width, false);
        out += padded(t.inOldFile ? QString::number(t.oldRows) : QStringLiteral("-"), 11, true);
        out += padded(r.succeeded ? QString::number(t.newRows) : QStringLiteral("-"), 14, true);
        out += padded(t.inOldFile ? QString::number(t.notStored) : QString(), 12, true);
        out += QLatin1Char('\n');
    }
    out += QLatin1Char('\n');

    out += Tr::tr("Accounts: %1 passwords stored as protected hashes; each works as before, in any letter "
                  "case.\n")
               .arg(r.passwordsConverted);
    if (!r.emptyPasswords.isEmpty())
        out += Tr::tr("Accounts without a password, which cannot log in until an administrator sets one: "
                      "%1.\n")
                   .arg(listed(r.emptyPasswords));
    for (const QStringList& group : r.sharedUserNames)
        out += Tr::tr("Accounts whose user names differ only in letter case: %1. Each still logs in with its "
                      "own password; an administrator should give all but one of them names of their own on "
                      "the user entry screen.\n")
                   .arg(group.join(QStringLiteral(", ")));
    if (!r.adminCanLogIn)
        out += Tr::tr("Warning: no active \"Admin\" account has a password, so nobody can administer the new "
                      "database.\n");

    if (!r.picturesChecked)
        out += Tr::tr("Pictures: %1 named in the file; not checked (name the picture folder with --pictures "
                      "DIR to check them).\n")
                   .arg(r.picturesNamed);
    else if (r.missingPictures.isEmpty())
        out += Tr::tr("Pictures: %1 named in the file, all of them in the picture folder.\n").arg(r.picturesNamed);
    else
        out += Tr::tr("Pictures: %1 named in the file; %2 missing from the picture folder: %3.\n")
                   .arg(r.picturesNamed)
                   .arg(r.missingPictures.size())
                   .arg(listed(r.missingPictures));

    if (!r.missingTables.isEmpty())
        out += Tr::tr("Tables not in the old file (Pewlark's starting values kept): %1.\n")
                   .arg(listed(r.missingTables));
    if (!r.extraColumns.isEmpty())
        out += Tr::tr("Columns only in the old file, not copied: %1.\n").arg(listed(r.extraColumns));
    if (!r.missingColumns.isEmpty())
        out += Tr::tr("Columns not in the old file, left empty: %1.\n").arg(listed(r.missingColumns));
    if (!r.addedValues.isEmpty())
        out += Tr::tr("Added to the old lists because Pewlark relies on them: %1.\n").arg(listed(r.addedValues));
    if (r.readAsWindows1252)
        out += Tr::tr("Text: mdbtools passed the file's text on unconverted; it was read as Windows-1252.\n");

    if (!r.problems.isEmpty())
        out += Tr::tr("Rows not stored: %1; rows left out because they name a person, account, class or "
                      "permission the old file does not have: %2; links to missing rows cleared: %3. Each is "
                      "listed in \"%4\".\n")
                   .arg(r.rowsNotStored())
                   .arg(r.rowsLeftOut())
                   .arg(r.valuesChanged())
                   .arg(QDir::toNativeSeparators(r.rejectsFile));
    if (!r.succeeded)
        out += Tr::tr("The import failed: %1\n").arg(r.failure);
    else
        out += Tr::tr("Next: copy the pictures into the picture folder that config.txt names, and make "
                      "config.txt name \"%1\" as the database.\n")
                   .arg(QDir::toNativeSeparators(r.target));
    return out;
}

QString rejectsText(const ImportResult& r, const QString& oldFile)
{
    QString out = Tr::tr("Rows of \"%1\" not stored in \"%2\", and values changed to store a row.\n"
                         "Line is the row's line in the table's export (mdb-export); - for checks made after "
                         "copying.\n\n")
                      .arg(QDir::toNativeSeparators(oldFile), QDir::toNativeSeparators(r.target));
    out += Tr::tr("Table\tLine\tRow\tWhat happened\n");
    for (const RowProblem& p : r.problems) {
        out += p.table + QLatin1Char('\t') + (p.line > 0 ? QString::number(p.line) : QStringLiteral("-"))
            + QLatin1Char('\t') + QString(p.row).replace(QLatin1Char('\n'), QLatin1Char(' ')) + QLatin1Char('\t')
            + (p.stored         ? Tr::tr("stored; ")
                    : p.leftOut ? Tr::tr("left out: ")
                                : Tr::tr("not stored: "))
            + p.what + QLatin1Char('\n');
    }
    return out;
}

} // namespace pw::legacy
