#include "app/Config.h"
#include "data/Platform.h"

#include "data/Windows1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>

namespace pw::config {

namespace {
    struct Tr {
        Q_DECLARE_TR_FUNCTIONS(Config)
    };
} // namespace

namespace {

    bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
    bool isLineEnd(QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r'); }

    // A character no text file holds: control characters other than tab and
    // line ends, and what a decoder puts in place of bytes it could not read.
    bool isForeign(QChar c)
    {
        const char16_t u = c.unicode();
        if (u == u'\t' || u == u'\n' || u == u'\r')
            return false;
        return u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0xFFFD;
    }

} // namespace

QString decode(const QByteArray& bytes)
{
    QString text;
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes);
    if (marked && *marked != QStringConverter::Utf8) {
        QStringDecoder decoder(*marked);
        text = decoder(bytes);
    } else {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        text = utf8(bytes);
        if (utf8.hasError())
            return fromWindows1252(bytes);
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QStringList readFields(const QString& content, int maxFields, int* end)
{
    QStringList fields;
    const int n = content.size();
    int i = 0;
    bool afterComma = false; // a comma just ended a field, so a line end now ends an empty one
    while (fields.size() < maxFields) {
        while (i < n && isBlank(content.at(i)))
            ++i;
        if (!afterComma) {
            // Empty lines between fields are passed over.
            while (i < n && (isLineEnd(content.at(i)) || isBlank(content.at(i))))
                ++i;
        }
        if (i >= n) {
            if (afterComma)
                fields.append(QString());
            break;
        }
        QString field;
        if (content.at(i) == QLatin1Char('"')) {
            ++i;
            while (i < n && content.at(i) != QLatin1Char('"'))
                field.append(content.at(i++));
            if (i < n)
                ++i; // closing quote
            // Whatever follows the closing quote up to the separator is not part of the field.
            while (i < n && content.at(i) != QLatin1Char(',') && !isLineEnd(content.at(i)))
                ++i;
        } else {
            while (i < n && content.at(i) != QLatin1Char(',') && !isLineEnd(content.at(i)))
                field.append(content.at(i++));
            while (!field.isEmpty() && isBlank(field.back()))
                field.chop(1);
        }
        fields.append(field);
        afterComma = false;
        if (i < n) {
            if (content.at(i) == QLatin1Char(',')) {
                afterComma = true;
                ++i;
            } else {
                // A line end: CR LF counts as one.
                if (content.at(i) == QLatin1Char('\r') && i + 1 < n && content.at(i + 1) == QLatin1Char('\n'))
                    ++i;
                ++i;
            }
        }
    }
    if (end)
        *end = i;
    return fields;
}

ConfigValues parse(const QString& content, const QString& fileName)
{
    int end = 0;
    const QStringList fields = readFields(content, 5, &end);
    // Random bytes or another program's file may well split into five
    // fields; the message must then be about this file, not a database path
    // made of its bytes.
    for (int i = 0; i < end; ++i) {
        if (!isForeign(content.at(i)))
            continue;
        const int line = int(QStringView(content).left(i).count(QLatin1Char('\n'))) + 1;
        throw StartupError(Tr::tr("The configuration file \"%1\" is not a plain text file: line %2 holds "
                                  "characters that no text file holds. It should be plain text with five "
                                  "fields (two labels, the database path, a label and the picture folder).")
                               .arg(QDir::toNativeSeparators(fileName))
                               .arg(line));
    }
    if (fields.size() < 5)
        throw StartupError(Tr::tr("The configuration file \"%1\" holds %2 of the five fields it needs "
                                  "(two labels, the database path, a label and the picture folder).")
                               .arg(QDir::toNativeSeparators(fileName))
                               .arg(fields.size()));
    return ConfigValues { fields.at(2), fields.at(4) };
}

ConfigValues load(const QString& fileName)
{
    QFile file(fileName);
    if (!file.exists())
        throw StartupError(
            Tr::tr("The configuration file \"%1\" does not exist.").arg(QDir::toNativeSeparators(fileName)));
    if (!file.open(QIODevice::ReadOnly))
        throw StartupError(Tr::tr("The configuration file \"%1\" could not be read: %2")
                               .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    // Five short fields: anything much larger is another file named by
    // mistake (a database, a device that never ends), and is not read whole.
    const QByteArray bytes = file.read(kMaxSize + 1);
    if (bytes.size() > kMaxSize)
        throw StartupError(Tr::tr("The configuration file \"%1\" is larger than %2 KB, so it is not a "
                                  "Pewlark configuration file (five short fields: two labels, the database "
                                  "path, a label and the picture folder). Check the file name.")
                               .arg(QDir::toNativeSeparators(fileName))
                               .arg(kMaxSize / 1024));
    return parse(decode(bytes), fileName);
}

QString pictureFolderProblem(const QString& pictureFolder, const QString& configFile)
{
    if (pictureFolder.trimmed().isEmpty())
        return Tr::tr("The configuration file \"%1\" names no picture folder (its fifth field is empty), so "
                      "pictures of people cannot be shown or kept. Pewlark runs without them; write the "
                      "picture folder into that field, ending with \"/\", and start Pewlark again.")
            .arg(configFile);
    // The folder is a plain prefix: a picture's file is the prefix followed
    // by its name, so the folder it lands in is that of prefix + name.
    const QString folder = QFileInfo(pictureFolder + QStringLiteral("1.jpg")).absolutePath();
    const QFileInfo info(folder);
    if (info.isDir())
        return {};
    return Tr::tr("The picture folder \"%1\" named in the configuration file \"%2\" %3, so pictures of "
                  "people cannot be shown or kept. Pewlark runs without them; create the folder or correct "
                  "the fifth field of the configuration file, then start Pewlark again.")
        .arg(QDir::toNativeSeparators(folder), configFile,
            info.exists() ? Tr::tr("is not a folder") : Tr::tr("does not exist"));
}

Places places()
{
    const QString name = QStringLiteral("pewlark/config.txt");
    return {
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("config.txt")),
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(name),
        platform::officeConfigFolder() + name,
    };
}

QString locate(const Places& where)
{
    for (const QString& file : { where.beside, where.user, where.office })
        if (!file.isEmpty() && QFileInfo::exists(file))
            return file;
    return {};
}

QString defaultPath()
{
    const Places where = places();
    const QString found = locate(where);
    return found.isEmpty() ? where.user : found;
}

void save(const QString& fileName, const ConfigValues& values)
{
    const auto refuse = [&fileName](const QString& reason) {
        return StartupError(Tr::tr("The configuration file \"%1\" could not be written: %2")
                                .arg(QDir::toNativeSeparators(fileName), reason));
    };
    if (!QDir().mkpath(QFileInfo(fileName).absolutePath()))
        throw refuse(Tr::tr("its folder could not be made."));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw refuse(file.errorString());
    file.write(write(values).toUtf8());
    if (!file.commit())
        throw refuse(file.errorString());
}

QString write(const ConfigValues& values)
{
    return QStringLiteral("Pewlark configuration\nDatabase,\"%1\"\nPictureFolder,\"%2\"\n")
        .arg(values.databasePath, values.pictureFolder);
}

} // namespace pw::config
