#pragma once

// Which column of a CSV table fills which field of a person, and the
// choices of an import that a saved mapping keeps with it. Columns are
// matched to fields by their header's name in its common spellings ("First
// Name", "FirstName", "Given name"...); a mapping is saved as JSON and can be
// given to the command line.

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace pw::people {

// What a value of a field is, for reading it.
enum class FieldKind {
    Text,
    Date,
    Phone,
    YesNo,
    Lookup, // one of a list the office keeps (titles, states, statuses)
    Fixed, // one of a list of the program's own (gender, marital status)
    FamilyId, // rows with the same value are one family
    Relationship, // the row's relationship to its family's head
    HeadOfHousehold, // yes/no, or words such as "Head"
};

struct ImportField {
    QString key; // stable name, kept in saved mappings: "firstName"
    QString caption; // in English, as the mapping step names it: "First Name"
    FieldKind kind;
    QString column; // the Member column it fills; empty for the family fields
    QString listTable; // Lookup and Relationship: the table of the list
    QString listColumn;
};

// Every field a column can fill, in the order the mapping step lists them.
const QList<ImportField>& importFields();
const ImportField* importField(const QString& key);
// The field's caption in the user's language, as it is shown.
QString shownCaption(const ImportField& field);

// The field a header names, by its common spellings; empty when none.
QString guessField(const QString& header);

// The fields every person needs (the member screen saves no one without
// them) that an import can give one value for every row that has none:
// "status", "memberActiveStatus", "prospectStatus", "gender".
const QStringList& defaultableFields();

// What happens to a row that matches someone already in the church.
enum class DuplicateAction { Skip, Fill, Add };
QString actionName(DuplicateAction action); // "skip", "fill", "add"
bool parseAction(const QString& name, DuplicateAction* action);

struct ImportMapping {
    QMap<QString, QString> columns; // header -> field key; a header not here is ignored
    // Rows without a family column make one family when they share last
    // name and address.
    bool bundleByAddress = true;
    // A value not in its list is added to the list (true) or stored as it
    // is without being added (false).
    bool addUnknownValues = false;
    // Field key (one of defaultableFields()) -> the value every row without
    // one gets: the file lacks the column, or the row's cell is empty. A
    // key given an empty value gives nothing. Without a value for Church
    // Status, the church's own for people added without one is given
    // (ChurchSettings::kNewPersonChurchStatus), where it has one.
    QMap<QString, QString> defaults { { QStringLiteral("status"), QStringLiteral("Member") } };
    DuplicateAction duplicates = DuplicateAction::Skip;

    // Each header to its guessed field; a field is given to the first
    // column that names it.
    static ImportMapping guess(const QStringList& header);

    // The header mapped to a field, or empty.
    QString columnFor(const QString& fieldKey) const;

    QByteArray toJson() const;
    // Throws Error naming the file when it is not such a mapping.
    static ImportMapping fromJson(const QByteArray& json, const QString& fileName);
    static ImportMapping load(const QString& path);
    void save(const QString& path) const;
};

} // namespace pw::people
