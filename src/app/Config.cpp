#include "app/Config.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace pw::config {

namespace {

    bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
    bool isLineEnd(QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r'); }

} // namespace

QStringList readFields(const QString& content, int maxFields)
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
    return fields;
}

ConfigValues parse(const QString& content, const QString& fileName)
{
    const QStringList fields = readFields(content, 5);
    if (fields.size() < 5)
        throw StartupError(QStringLiteral("The configuration file \"%1\" holds %2 of the five fields it needs "
                                          "(two labels, the database path, a label and the picture folder).")
                               .arg(fileName)
                               .arg(fields.size()));
    return ConfigValues { fields.at(2), fields.at(4) };
}

ConfigValues load(const QString& fileName)
{
    QFile file(fileName);
    if (!file.exists())
        throw StartupError(QStringLiteral("The configuration file \"%1\" does not exist.").arg(fileName));
    if (!file.open(QIODevice::ReadOnly))
        throw StartupError(
            QStringLiteral("The configuration file \"%1\" could not be read: %2").arg(fileName, file.errorString()));
    return parse(QString::fromUtf8(file.readAll()), fileName);
}

QString defaultPath() { return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("config.txt")); }

QString write(const ConfigValues& values)
{
    return QStringLiteral("Pewlark configuration\nDatabase,\"%1\"\nPictureFolder,\"%2\"\n")
        .arg(values.databasePath, values.pictureFolder);
}

} // namespace pw::config
