#include "people/ImportMapping.h"

#include "data/Database.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace pw::people {

namespace {

    // A header as it is compared: letters and digits only, lower case.
    QString plain(const QString& header)
    {
        QString out;
        for (const QChar c : header.toCaseFolded()) {
            if (c.isLetterOrNumber())
                out.append(c);
        }
        return out;
    }

    struct Spellings {
        const char* key;
        const char* words; // plain spellings, separated by blanks
    };

    // The common spellings of each field's header, written plain().
    const Spellings kSpellings[] = {
        { "title", "title salutation prefix nametitle" },
        { "firstName", "firstname first givenname given forename fname nickname preferredname" },
        { "middleName", "middlename middle middleinitial mi" },
        { "lastName", "lastname last surname familyname lname" },
        { "address1",
            "address address1 addressline1 street streetaddress mailingaddress addr addr1 homeaddress "
            "street1" },
        { "address2", "address2 addressline2 addr2 street2 apartment apt suite" },
        { "city", "city town" },
        { "state", "state province st region stateprovince" },
        { "zip", "zip zipcode postalcode postcode zippostalcode postal" },
        { "phone", "phone homephone telephone phonenumber tel landline phonehome home" },
        { "cell", "cell cellphone mobile mobilephone cellular cellnumber mobilenumber phonemobile phonecell" },
        { "workPhone", "workphone businessphone officephone phonework work" },
        { "email", "email emailaddress mail emailaddr" },
        { "dateOfBirth", "birthday birthdate dateofbirth dob born birth" },
        { "gender", "gender sex" },
        { "maritalStatus", "maritalstatus marital" },
        { "anniversaryDate", "anniversary anniversarydate weddingdate weddinganniversary" },
        { "placeOfWork", "placeofwork employer company workplace" },
        { "occupation", "occupation job jobtitle profession" },
        { "notes", "notes note comments comment remarks" },
        { "hobbies", "hobbies hobby interests" },
        { "organizations", "organizations organisations clubs" },
        { "status", "status memberstatus membershipstatus membershiptype membertype" },
        { "memberActiveStatus", "churchstatus activestatus memberactivestatus" },
        { "prospectStatus", "prospectstatus" },
        { "memberSince", "membersince joined joindate datejoined membershipdate" },
        { "baptized", "baptized baptised baptismdate datebaptized baptism" },
        { "previousChurch", "previouschurch formerchurch" },
        { "newsletterMail", "newslettermail newsletterbymail mailnewsletter" },
        { "newsletterEmail", "newsletteremail newsletterbyemail emailnewsletter" },
        { "familyId", "familyid family householdid household familynumber familyno householdnumber familykey" },
        { "relationship",
            "relationship relation familyrole familyposition role householdposition relationtohead "
            "householdrole" },
        { "headOfHousehold", "headofhousehold head hoh householdhead" },
    };

    ImportField field(const char* key, const char* caption, FieldKind kind, const char* column = "",
        const char* listTable = "", const char* listColumn = "")
    {
        return { QString::fromLatin1(key), QString::fromLatin1(caption), kind, QString::fromLatin1(column),
            QString::fromLatin1(listTable), QString::fromLatin1(listColumn) };
    }

    const char* const kActionNames[] = { "skip", "fill", "add" };

} // namespace

const QList<ImportField>& importFields()
{
    using K = FieldKind;
    static const QList<ImportField> fields = {
        field("title", "Title", K::Lookup, "Title", "Titles", "Title"),
        field("firstName", "First Name", K::Text, "First_Name"),
        field("middleName", "Middle Name", K::Text, "Middle_Name"),
        field("lastName", "Last Name", K::Text, "Last_Name"),
        field("address1", "Address 1", K::Text, "Address_1"),
        field("address2", "Address 2", K::Text, "Address_2"),
        field("city", "City", K::Text, "City"),
        field("state", "State", K::Lookup, "State", "State", "State"),
        field("zip", "Zip", K::Text, "Zip"),
        field("phone", "Phone", K::Phone, "Phone"),
        field("cell", "Cell", K::Phone, "Cell"),
        field("workPhone", "Work Phone", K::Phone, "Work_Phone"),
        field("email", "E-mail", K::Text, "Email"),
        field("dateOfBirth", "Date of Birth", K::Date, "Date_Of_Birth"),
        field("gender", "Gender", K::Fixed, "Gender"),
        field("maritalStatus", "Marital Status", K::Fixed, "Marital_Status"),
        field("anniversaryDate", "Anniversary", K::Date, "Anniversary_Date"),
        field("placeOfWork", "Place of Work", K::Text, "Place_Of_Work"),
        field("occupation", "Occupation", K::Text, "Occupation"),
        field("notes", "Notes", K::Text, "Notes"),
        field("hobbies", "Hobbies", K::Text, "Hobbies"),
        field("organizations", "Organizations", K::Text, "Organizations"),
        field("status", "Member Status", K::Lookup, "Status", "MemberStatus", "Status"),
        field("memberActiveStatus", "Church Status", K::Lookup, "Member_Active_Status", "ChurchStatus", "Status"),
        field("prospectStatus", "Prospect Status", K::Lookup, "Prospect_Active_Status", "ProspectStatus", "Status"),
        field("memberSince", "Member Since", K::Date, "Member_Since"),
        field("baptized", "Baptized", K::Date, "Baptized"),
        field("previousChurch", "Previous Church", K::Text, "Previous_Church"),
        field("newsletterMail", "Newsletter by Mail", K::YesNo, "Receive_Newsletter_Via_Mail"),
        field("newsletterEmail", "Newsletter by E-mail", K::YesNo, "Receive_Newsletter_Via_EMail"),
        field("familyId", "Family Identifier", K::FamilyId),
        field("relationship", "Relationship", K::Relationship, "", "Relationships", "Relationships"),
        field("headOfHousehold", "Head of Household", K::HeadOfHousehold, "Head_Of_Household"),
    };
    return fields;
}

const ImportField* importField(const QString& key)
{
    for (const ImportField& f : importFields()) {
        if (f.key == key)
            return &f;
    }
    return nullptr;
}

QString guessField(const QString& header)
{
    static const QHash<QString, QString> byWord = [] {
        QHash<QString, QString> out;
        for (const Spellings& s : kSpellings) {
            for (const QString& word : QString::fromLatin1(s.words).split(QLatin1Char(' ')))
                out.insert(word, QString::fromLatin1(s.key));
        }
        return out;
    }();
    return byWord.value(plain(header));
}

const QStringList& defaultableFields()
{
    static const QStringList keys = { QStringLiteral("status"), QStringLiteral("memberActiveStatus"),
        QStringLiteral("prospectStatus"), QStringLiteral("gender") };
    return keys;
}

QString actionName(DuplicateAction action) { return QString::fromLatin1(kActionNames[int(action)]); }

bool parseAction(const QString& name, DuplicateAction* action)
{
    for (int i = 0; i < 3; ++i) {
        if (name.trimmed().compare(QLatin1String(kActionNames[i]), Qt::CaseInsensitive) == 0) {
            *action = DuplicateAction(i);
            return true;
        }
    }
    return false;
}

ImportMapping ImportMapping::guess(const QStringList& header)
{
    ImportMapping mapping;
    QStringList taken;
    for (const QString& name : header) {
        const QString key = guessField(name);
        if (!key.isEmpty() && !taken.contains(key)) {
            mapping.columns.insert(name, key);
            taken.append(key);
        }
    }
    return mapping;
}

QString ImportMapping::columnFor(const QString& fieldKey) const
{
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        if (it.value() == fieldKey)
            return it.key();
    }
    return {};
}

QByteArray ImportMapping::toJson() const
{
    QJsonObject map;
    for (auto it = columns.cbegin(); it != columns.cend(); ++it)
        map.insert(it.key(), it.value());
    QJsonObject root;
    root.insert(QStringLiteral("columns"), map);
    root.insert(QStringLiteral("bundleByAddress"), bundleByAddress);
    root.insert(QStringLiteral("addUnknownValues"), addUnknownValues);
    QJsonObject given;
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it)
        given.insert(it.key(), it.value());
    root.insert(QStringLiteral("defaults"), given);
    root.insert(QStringLiteral("duplicates"), actionName(duplicates));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ImportMapping ImportMapping::fromJson(const QByteArray& json, const QString& fileName)
{
    const auto refuse = [&](const QString& why) {
        return Error(QStringLiteral("The file \"%1\" is not a column mapping of Pewlark's people import: %2.")
                         .arg(QDir::toNativeSeparators(fileName), why));
    };
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (doc.isNull())
        throw refuse(error.errorString());
    const QJsonObject root = doc.object();
    if (!root.value(QStringLiteral("columns")).isObject())
        throw refuse(QStringLiteral("it has no \"columns\""));
    ImportMapping mapping;
    const QJsonObject map = root.value(QStringLiteral("columns")).toObject();
    for (auto it = map.begin(); it != map.end(); ++it) {
        const QString key = it.value().toString();
        if (key.isEmpty())
            continue; // an ignored column
        if (!importField(key))
            throw refuse(QStringLiteral("\"%1\" is not a field a column can fill").arg(key));
        mapping.columns.insert(it.key(), key);
    }
    mapping.bundleByAddress = root.value(QStringLiteral("bundleByAddress")).toBool(mapping.bundleByAddress);
    mapping.addUnknownValues = root.value(QStringLiteral("addUnknownValues")).toBool(mapping.addUnknownValues);
    // "defaultStatus": a mapping saved before every required field could be given.
    if (root.contains(QStringLiteral("defaultStatus")))
        mapping.defaults.insert(QStringLiteral("status"), root.value(QStringLiteral("defaultStatus")).toString());
    const QJsonObject given = root.value(QStringLiteral("defaults")).toObject();
    for (auto it = given.begin(); it != given.end(); ++it) {
        if (!defaultableFields().contains(it.key()))
            throw refuse(QStringLiteral("\"%1\" is not a field every row can be given").arg(it.key()));
        mapping.defaults.insert(it.key(), it.value().toString());
    }
    const QString action = root.value(QStringLiteral("duplicates")).toString(actionName(mapping.duplicates));
    if (!parseAction(action, &mapping.duplicates))
        throw refuse(QStringLiteral("\"%1\" is not skip, fill or add").arg(action));
    return mapping;
}

ImportMapping ImportMapping::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("The file \"%1\" could not be read: %2.")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    return fromJson(file.readAll(), path);
}

void ImportMapping::save(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toJson()) < 0 || !file.commit())
        throw Error(QStringLiteral("The file \"%1\" could not be written: %2.")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace pw::people
