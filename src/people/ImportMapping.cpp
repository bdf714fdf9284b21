#include "people/ImportMapping.h"

#include "data/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace pw::people {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(ImportMapping)
    };
} // namespace

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
        field("title", QT_TRANSLATE_NOOP("ImportMapping", "Title"), K::Lookup, "Title", "Titles", "Title"),
        field("firstName", QT_TRANSLATE_NOOP("ImportMapping", "First Name"), K::Text, "First_Name"),
        field("middleName", QT_TRANSLATE_NOOP("ImportMapping", "Middle Name"), K::Text, "Middle_Name"),
        field("lastName", QT_TRANSLATE_NOOP("ImportMapping", "Last Name"), K::Text, "Last_Name"),
        field("address1", QT_TRANSLATE_NOOP("ImportMapping", "Address 1"), K::Text, "Address_1"),
        field("address2", QT_TRANSLATE_NOOP("ImportMapping", "Address 2"), K::Text, "Address_2"),
        field("city", QT_TRANSLATE_NOOP("ImportMapping", "City"), K::Text, "City"),
        field("state", QT_TRANSLATE_NOOP("ImportMapping", "State"), K::Lookup, "State", "State", "State"),
        field("zip", QT_TRANSLATE_NOOP("ImportMapping", "Zip"), K::Text, "Zip"),
        field("phone", QT_TRANSLATE_NOOP("ImportMapping", "Phone"), K::Phone, "Phone"),
        field("cell", QT_TRANSLATE_NOOP("ImportMapping", "Cell"), K::Phone, "Cell"),
        field("workPhone", QT_TRANSLATE_NOOP("ImportMapping", "Work Phone"), K::Phone, "Work_Phone"),
        field("email", QT_TRANSLATE_NOOP("ImportMapping", "E-mail"), K::Text, "Email"),
        field("dateOfBirth", QT_TRANSLATE_NOOP("ImportMapping", "Date of Birth"), K::Date, "Date_Of_Birth"),
        field("gender", QT_TRANSLATE_NOOP("ImportMapping", "Gender"), K::Fixed, "Gender"),
        field("maritalStatus", QT_TRANSLATE_NOOP("ImportMapping", "Marital Status"), K::Fixed, "Marital_Status"),
        field("anniversaryDate", QT_TRANSLATE_NOOP("ImportMapping", "Anniversary"), K::Date, "Anniversary_Date"),
        field("placeOfWork", QT_TRANSLATE_NOOP("ImportMapping", "Place of Work"), K::Text, "Place_Of_Work"),
        field("occupation", QT_TRANSLATE_NOOP("ImportMapping", "Occupation"), K::Text, "Occupation"),
        field("notes", QT_TRANSLATE_NOOP("ImportMapping", "Notes"), K::Text, "Notes"),
        field("hobbies", QT_TRANSLATE_NOOP("ImportMapping", "Hobbies"), K::Text, "Hobbies"),
        field("organizations", QT_TRANSLATE_NOOP("ImportMapping", "Organizations"), K::Text, "Organizations"),
        field("status", QT_TRANSLATE_NOOP("ImportMapping", "Member Status"), K::Lookup, "Status", "MemberStatus",
            "Status"),
        field("memberActiveStatus", QT_TRANSLATE_NOOP("ImportMapping", "Church Status"), K::Lookup,
            "Member_Active_Status", "ChurchStatus", "Status"),
        field("prospectStatus", QT_TRANSLATE_NOOP("ImportMapping", "Prospect Status"), K::Lookup,
            "Prospect_Active_Status", "ProspectStatus", "Status"),
        field("memberSince", QT_TRANSLATE_NOOP("ImportMapping", "Member Since"), K::Date, "Member_Since"),
        field("baptized", QT_TRANSLATE_NOOP("ImportMapping", "Baptized"), K::Date, "Baptized"),
        field("previousChurch", QT_TRANSLATE_NOOP("ImportMapping", "Previous Church"), K::Text, "Previous_Church"),
        field("newsletterMail", QT_TRANSLATE_NOOP("ImportMapping", "Newsletter by Mail"), K::YesNo,
            "Receive_Newsletter_Via_Mail"),
        field("newsletterEmail", QT_TRANSLATE_NOOP("ImportMapping", "Newsletter by E-mail"), K::YesNo,
            "Receive_Newsletter_Via_EMail"),
        field("familyId", QT_TRANSLATE_NOOP("ImportMapping", "Family Identifier"), K::FamilyId),
        field("relationship", QT_TRANSLATE_NOOP("ImportMapping", "Relationship"), K::Relationship, "", "Relationships",
            "Relationships"),
        field("headOfHousehold", QT_TRANSLATE_NOOP("ImportMapping", "Head of Household"), K::HeadOfHousehold,
            "Head_Of_Household"),
    };
    return fields;
}

QString shownCaption(const ImportField& field)
{
    return QCoreApplication::translate("ImportMapping", field.caption.toUtf8().constData());
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
        return Error(Tr::tr("The file \"%1\" is not a column mapping of Pewlark's people import: %2.")
                         .arg(QDir::toNativeSeparators(fileName), why));
    };
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (doc.isNull())
        throw refuse(error.errorString());
    const QJsonObject root = doc.object();
    if (!root.value(QStringLiteral("columns")).isObject())
        throw refuse(Tr::tr("it has no \"columns\""));
    ImportMapping mapping;
    const QJsonObject map = root.value(QStringLiteral("columns")).toObject();
    for (auto it = map.begin(); it != map.end(); ++it) {
        const QString key = it.value().toString();
        if (key.isEmpty())
            continue; // an ignored column
        if (!importField(key))
            throw refuse(Tr::tr("\"%1\" is not a field a column can fill").arg(key));
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
            throw refuse(Tr::tr("\"%1\" is not a field every row can be given").arg(it.key()));
        mapping.defaults.insert(it.key(), it.value().toString());
    }
    const QString action = root.value(QStringLiteral("duplicates")).toString(actionName(mapping.duplicates));
    if (!parseAction(action, &mapping.duplicates))
        throw refuse(Tr::tr("\"%1\" is not skip, fill or add").arg(action));
    return mapping;
}

ImportMapping ImportMapping::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(
            Tr::tr("The file \"%1\" could not be read: %2.").arg(QDir::toNativeSeparators(path), file.errorString()));
    return fromJson(file.readAll(), path);
}

void ImportMapping::save(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toJson()) < 0 || !file.commit())
        throw Error(Tr::tr("The file \"%1\" could not be written: %2.")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
}

} // namespace pw::people
