#include "people/ImportPlan.h"

#include "data/Backup.h"
#include "data/ChurchSettings.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/Lookups.h"
#include "data/PhoneRule.h"
#include "data/Rows.h"
#include "data/Sql.h"
#include "people/ImportReport.h"
#include "people/ImportValues.h"
#include "people/RequiredFields.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

namespace pw::people {

namespace {

    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(ImportPlan)
    };

    bool adult(const MemberRecord& r, const QDate& today)
    {
        return !r.dateOfBirth.isValid() || r.dateOfBirth.addYears(18) <= today;
    }

    // A list value as the lists compare: folded, without a closing full stop
    // ("mr" is "Mr.").
    QString listKey(const QString& value)
    {
        QString key = foldedKey(value);
        if (key.endsWith(QLatin1Char('.')))
            key.chop(1);
        return key;
    }

    bool emptyValue(const QVariant& stored) { return stored.isNull() || stored.toString().isEmpty(); }

    // Columns an import never fills into an existing person: yes/no values
    // cannot tell empty from "no".
    bool fillable(const Members::Column& column) { return column.kind != Members::Kind::YesNo; }

} // namespace

ImportPlan::ImportPlan(Database& db, const CsvTable& table, const ImportMapping& mapping, const QDate& today)
    : m_table(table)
    , m_mapping(mapping)
    , m_churchMark(db.othersChangeMark())
{
    readRows(db, today);
    matchDuplicates(db);
    formFamilies(today);
}

QString ImportPlan::lookupValue(const ImportField& field, const QString& text)
{
    const QStringList list = m_lists.value(field.listTable);
    for (const QString& value : list) {
        if (listKey(value) == listKey(text))
            return value;
    }
    const QString key = field.listTable + QLatin1Char('\n') + listKey(text);
    const auto it = m_unknown.constFind(key);
    if (it != m_unknown.cend())
        return it->value;
    m_unknown.insert(key, { &field, text });
    m_unknownList.append(QStringLiteral("%1 \"%2\"").arg(shownCaption(field), text));
    return text;
}

void ImportPlan::readRows(Database& db, const QDate& today)
{
    // Every list a mapped column refers to, read once.
    for (const ImportField& f : importFields()) {
        if (!f.listTable.isEmpty() && !m_lists.contains(f.listTable))
            m_lists.insert(f.listTable, db.texts(QStringLiteral("SELECT %1 FROM %2").arg(f.listColumn, f.listTable)));
    }
    struct Mapped {
        int index;
        const ImportField* field;
    };
    QList<Mapped> mapped;
    for (int i = 0; i < m_table.header.size(); ++i) {
        if (const ImportField* f = importField(m_mapping.columns.value(m_table.header.at(i))))
            mapped.append({ i, f });
    }
    const ImportField* relationshipField = importField(QStringLiteral("relationship"));
    const QList<Given> given = givenValues(db);
    const bool familyColumn = !m_mapping.columnFor(QStringLiteral("familyId")).isEmpty();

    for (const CsvRow& row : std::as_const(m_table.rows)) {
        PlannedPerson p;
        p.line = row.line;
        const QString rowText = row.cells.join(QStringLiteral(", "));
        const auto problem = [&](const QString& what, bool stored = true) {
            m_problems.append({ row.line, rowText, what, stored });
        };
        QString relationshipText;
        for (const Mapped& m : std::as_const(mapped)) {
            const QString value = row.cells.at(m.index).trimmed();
            if (value.isEmpty())
                continue;
            const ImportField& f = *m.field;
            const Members::Column* column = f.column.isEmpty() ? nullptr : Members::column(f.column);
            QVariant stored;
            switch (f.kind) {
            case FieldKind::Text:
                stored = value;
                break;
            case FieldKind::Date: {
                const QDate date = readDate(value, today);
                if (!date.isValid())
                    problem(Tr::tr("%1 \"%2\" is not a date; left empty").arg(shownCaption(f), value));
                else
                    stored = sql::date(date);
                break;
            }
            case FieldKind::Phone: {
                const QString digits = phones::tenDigits(value);
                if (digits.isEmpty())
                    problem(Tr::tr("%1 \"%2\" does not have ten digits; stored as it is").arg(shownCaption(f), value));
                stored = digits.isEmpty() ? value : digits;
                break;
            }
            case FieldKind::YesNo: {
                bool ok = false;
                stored = sql::yesNo(readYesNo(value, &ok));
                if (!ok)
                    problem(Tr::tr("%1 \"%2\" is not yes or no; stored as no").arg(shownCaption(f), value));
                break;
            }
            case FieldKind::Lookup:
                stored = lookupValue(f, value);
                break;
            case FieldKind::Fixed: {
                const QString known = f.key == QLatin1String("gender") ? readGender(value) : readMaritalStatus(value);
                if (known.isEmpty() && !m_unknown.contains(f.key + QLatin1Char('\n') + listKey(value))) {
                    m_unknown.insert(f.key + QLatin1Char('\n') + listKey(value), { &f, value });
                    m_unknownList.append(Tr::tr("%1 \"%2\" (kept as it is)").arg(shownCaption(f), value));
                }
                stored = known.isEmpty() ? value : known;
                break;
            }
            case FieldKind::FamilyId:
                p.familyKey = QStringLiteral("id\n") + foldedKey(value);
                break;
            case FieldKind::Relationship:
                relationshipText = value;
                break;
            case FieldKind::HeadOfHousehold: {
                bool ok = false;
                p.headMarked = readYesNo(value, &ok);
                if (!ok)
                    p.headMarked = readRelationship(value, QString()).head;
                if (!ok && !p.headMarked)
                    problem(Tr::tr("%1 \"%2\" is not yes or no; taken as no").arg(shownCaption(f), value));
                break;
            }
            }
            if (column && stored.isValid() && f.kind != FieldKind::HeadOfHousehold) {
                column->read(p.record, stored);
                p.columns.append(column->columnName());
            }
        }
        if (!relationshipText.isEmpty()) {
            const RelationshipCell cell = readRelationship(relationshipText, p.record.gender);
            p.headMarked = p.headMarked || cell.head;
            if (!cell.head)
                p.relationship = lookupValue(*relationshipField, cell.relationship);
        }
        for (const Given& g : given) {
            if (emptyValue(g.column->valueOf(p.record)))
                g.column->read(p.record, g.value);
        }
        if (p.familyKey.isEmpty() && !familyColumn && m_mapping.bundleByAddress
            && !p.record.lastName.trimmed().isEmpty() && !p.record.address1.trimmed().isEmpty())
            p.familyKey = QStringLiteral("address\n%1\n%2\n%3")
                              .arg(foldedKey(p.record.lastName), foldedKey(p.record.address1).simplified(),
                                  foldedKey(p.record.zip.isEmpty() ? p.record.city : p.record.zip));
        if (!row.extra.isEmpty())
            problem(
                Tr::tr("values after the last named column left out: %1").arg(row.extra.join(QStringLiteral(", "))));
        if (p.record.firstName.trimmed().isEmpty() && p.record.lastName.trimmed().isEmpty()) {
            p.rejected = true;
            problem(Tr::tr("no first or last name"), false);
        }
        p.action = m_mapping.duplicates;
        m_people.append(p);
    }
}

QList<ImportPlan::Given> ImportPlan::givenValues(Database& db)
{
    QList<Given> out;
    for (const QString& key : defaultableFields()) {
        QString text = m_mapping.defaults.value(key).trimmed();
        if (!m_mapping.defaults.contains(key) && key == QLatin1String("memberActiveStatus"))
            text = ChurchSettings::value(db, ChurchSettings::kNewPersonChurchStatus).trimmed();
        if (text.isEmpty())
            continue;
        const ImportField& field = *importField(key);
        QString value = text;
        if (field.kind == FieldKind::Lookup)
            value = lookupValue(field, text);
        else if (const QString known = readGender(text); !known.isEmpty())
            value = known;
        out.append({ Members::column(field.column), value });
        m_givenList.append(QStringLiteral("%1 = %2").arg(shownCaption(field), value));
    }
    return out;
}

namespace {

    void matchAll(Database& db, QList<PlannedPerson>& people)
    {
        DuplicateIndex index(db);
        for (int i = 0; i < people.size(); ++i) {
            PlannedPerson& p = people[i];
            if (p.rejected)
                continue;
            p.matches = index.match(p.record);
            if (p.matches.isEmpty()) {
                // Later rows of the file that repeat this one match it.
                PersonKeys keys = PersonKeys::of(p.record);
                keys.id = -1 - i;
                index.add(keys);
            }
        }
    }

} // namespace

void ImportPlan::matchDuplicates(Database& db) { matchAll(db, m_people); }

void ImportPlan::formFamilies(const QDate& today)
{
    QHash<QString, int> byKey;
    for (int i = 0; i < m_people.size(); ++i) {
        PlannedPerson& p = m_people[i];
        if (p.rejected)
            continue;
        int family = p.familyKey.isEmpty() ? -1 : byKey.value(p.familyKey, -1);
        if (family < 0) {
            family = m_families.size();
            m_families.append(PlannedFamily());
            if (!p.familyKey.isEmpty())
                byKey.insert(p.familyKey, family);
        }
        m_families[family].members.append(i);
        p.family = family;
    }
    for (PlannedFamily& family : m_families) {
        for (const int i : std::as_const(family.members)) {
            if (m_people.at(i).headMarked) {
                family.head = i;
                break;
            }
        }
        for (int k = 0; family.head < 0 && k < family.members.size(); ++k) {
            if (adult(m_people.at(family.members.at(k)).record, today))
                family.head = family.members.at(k);
        }
        if (family.head >= 0)
            m_people[family.head].record.headOfHousehold = true;
    }
}

void ImportPlan::setAction(int row, DuplicateAction action) { m_people[row].action = action; }

Preview ImportPlan::preview() const
{
    Preview out;
    out.rows = m_people.size();
    for (const PlannedPerson& p : m_people) {
        if (p.rejected)
            ++out.notStored;
        if (p.isDuplicate()) {
            ++out.duplicates;
            if (p.action == DuplicateAction::Fill)
                ++out.updates;
            else if (p.action == DuplicateAction::Skip)
                ++out.skipped;
        }
        if (p.isAdded()) {
            ++out.newPeople;
            const QStringList missing = missingRequiredFields(p.record);
            out.withoutRequired += missing.isEmpty() ? 0 : 1;
            for (const QString& caption : missing)
                ++out.missing[caption];
        }
    }
    for (const PlannedFamily& family : m_families) {
        bool someoneNew = false;
        for (const int i : family.members)
            someoneNew = someoneNew || m_people.at(i).isAdded();
        if (family.members.size() > 1 && someoneNew)
            ++out.families;
    }
    QSet<int> lines;
    for (const RowProblem& problem : m_problems)
        lines.insert(problem.line);
    out.problemRows = lines.size();
    return out;
}

QString ImportPlan::matchName(Database& db, const DuplicateMatch& match) const
{
    if (match.id < 0)
        return Tr::tr("the row on line %1").arg(m_people.at(-1 - match.id).line);
    QString name;
    db.scan(QStringLiteral("SELECT Last_Name, First_Name FROM Member WHERE ID = ?"), { match.id },
        [&](const RowView& row) { name = leaderName(row.text(0), row.text(1)); });
    return Tr::tr("%1 (ID %2)").arg(name).arg(match.id);
}

ImportResult ImportPlan::run(Database& db, const Clock& clock, const RunOptions& options) const
{
    ImportResult result;
    result.target = db.displayName();
    try {
        if (options.backup && db.engine() == Database::Engine::SQLite)
            result.backupPath
                = backup::backUpDated(db, QStringLiteral("before-import"), clock, options.pictureFolder).path;
        const QDateTime now = clock.now();
        Transaction tx(db);
        // Read before writing, so under the lock another import waits for.
        rows::lockTable(db, QStringLiteral("Member"), Tr::tr("the people"));
        QList<PlannedPerson> people = m_people;
        if (db.othersChangeMark() != m_churchMark)
            matchAll(db, people);
        if (m_mapping.addUnknownValues) {
            for (const UnknownValue& unknown : m_unknown) {
                if (unknown.field->listTable.isEmpty())
                    continue;
                const QString& table = unknown.field->listTable;
                const QString& column = unknown.field->listColumn;
                bool listed = false; // by another import meanwhile
                for (const QString& value : db.texts(QStringLiteral("SELECT %1 FROM %2").arg(column, table)))
                    listed = listed || listKey(value) == listKey(unknown.value);
                if (!listed)
                    db.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (?)").arg(table, column), { unknown.value });
            }
        }

        // The person each row stands for: the new row, or the one it matched.
        QVector<qint64> ids(people.size(), 0);
        Members::Inserter inserter(db);
        for (int i = 0; i < people.size(); ++i) {
            const PlannedPerson& p = people.at(i);
            if (p.rejected)
                continue;
            if (p.isAdded()) {
                MemberRecord record = p.record;
                record.dateAdded = now;
                record.addedBy = options.userName;
                ids[i] = inserter.insert(record);
                ++result.added;
                continue;
            }
            const qint64 matched = p.matches.first().id;
            ids[i] = matched > 0 ? matched : ids.at(-1 - matched);
            if (p.action == DuplicateAction::Skip || ids[i] <= 0) {
                ++result.skipped;
                continue;
            }
            Members::lock(db, ids[i]);
            std::optional<MemberRecord> existing = Members::load(db, ids[i]);
            if (!existing) {
                ++result.skipped;
                continue;
            }
            QStringList written;
            for (const QString& name : p.columns) {
                const Members::Column* column = Members::column(name);
                if (fillable(*column) && emptyValue(column->valueOf(*existing))) {
                    column->read(*existing, column->valueOf(p.record));
                    written.append(name);
                }
            }
            if (written.isEmpty()) {
                ++result.skipped;
                continue;
            }
            existing->dateEdited = now;
            existing->editedBy = options.userName;
            Members::update(db, *existing, written << QStringLiteral("Date_Edited") << QStringLiteral("Edited_By"));
            ++result.filled;
        }

        Statement link(db,
            QStringLiteral(
                "INSERT INTO Family_Connection (Member_ID, Relationship, Relative_Member_ID) VALUES (?, ?, ?)"));
        for (const PlannedFamily& family : m_families) {
            const qint64 headId = family.head >= 0 ? ids.at(family.head) : 0;
            if (headId <= 0)
                continue;
            for (const int i : family.members) {
                const PlannedPerson& p = people.at(i);
                if (i == family.head || !p.isAdded() || ids.at(i) == headId)
                    continue;
                link.run({ headId, sql::text(p.relationship), ids.at(i) });
                ++result.links;
            }
        }
        tx.commit();
        result.succeeded = true;
    } catch (const std::exception& e) {
        result.failure = QString::fromStdString(e.what()); // Error's what() is its text
    }
    if (result.succeeded && !m_problems.isEmpty()) {
        const QString path = options.rejectsPath.isEmpty()
            ? QFileInfo(m_table.file).absoluteFilePath() + QStringLiteral(".rejects.txt")
            : options.rejectsPath;
        // It holds names and addresses: readable by no more people than the
        // file it describes, before anything is written into it.
        const QFileDevice::Permissions readWrite = QFileDevice::ReadOwner | QFileDevice::WriteOwner
            | QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::WriteGroup
            | QFileDevice::ReadOther | QFileDevice::WriteOther;
        const QFileDevice::Permissions own
            = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser;
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.setPermissions((QFile::permissions(m_table.file) & readWrite) | own)
            && file.write(rejectsText(*this, result).toUtf8()) >= 0 && file.commit())
            result.rejectsFile = path;
    }
    return result;
}

} // namespace pw::people
