#include "data/Sql.h"

#include "data/Database.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <sqlite3.h>

namespace pw::sql {

namespace {

    const char* const kCollation = "pw_nocase";

    // Compares two UTF-8 strings ignoring letter case. Plain ASCII, by far the
    // common case for names, is compared byte by byte; anything else goes
    // through Qt's Unicode case folding.
    int compareUtf8(int lenA, const char* a, int lenB, const char* b)
    {
        const int n = lenA < lenB ? lenA : lenB;
        for (int i = 0; i < n; ++i) {
            unsigned char ca = static_cast<unsigned char>(a[i]);
            unsigned char cb = static_cast<unsigned char>(b[i]);
            if (ca >= 0x80 || cb >= 0x80) {
                return compareText(QString::fromUtf8(a, lenA), QString::fromUtf8(b, lenB));
            }
            if (ca >= 'A' && ca <= 'Z')
                ca = static_cast<unsigned char>(ca + 32);
            if (cb >= 'A' && cb <= 'Z')
                cb = static_cast<unsigned char>(cb + 32);
            if (ca != cb)
                return ca < cb ? -1 : 1;
        }
        // The shorter one may still hold non-ASCII text after the common part;
        // only the lengths can differ here.
        return lenA == lenB ? 0 : (lenA < lenB ? -1 : 1);
    }

    int collate(void*, int lenA, const void* a, int lenB, const void* b)
    {
        return compareUtf8(lenA, static_cast<const char*>(a), lenB, static_cast<const char*>(b));
    }

    QString valueText(sqlite3_value* v)
    {
        const auto* data = reinterpret_cast<const char*>(sqlite3_value_text(v));
        return data ? QString::fromUtf8(data, sqlite3_value_bytes(v)) : QString();
    }

    void containsFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
    {
        if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
        sqlite3_result_int(ctx, containsText(valueText(argv[0]), valueText(argv[1])) ? 1 : 0);
    }

    void foldFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
    {
        if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
        const QByteArray folded = valueText(argv[0]).toCaseFolded().toUtf8();
        sqlite3_result_text(ctx, folded.constData(), folded.size(), SQLITE_TRANSIENT);
    }

} // namespace

QString textEquals(const QString& column)
{
    // The collation sits on the column, not on the value: SQLite (3.40) turns
    // "col = ? COLLATE c OR col = ? COLLATE c" into one IN over the column's
    // index and loses the collation, which silently drops rows.
    return column + QStringLiteral(" COLLATE ") + QLatin1String(kCollation) + QStringLiteral(" = ?");
}

QString textContains(const QString& column) { return QStringLiteral("pw_contains(%1, ?)").arg(column); }

QString orderText(const QString& column) { return column + QStringLiteral(" COLLATE ") + QLatin1String(kCollation); }

QString orderByName(const QString& table)
{
    const QString prefix = table.isEmpty() ? QString() : table + QLatin1Char('.');
    return orderText(prefix + QStringLiteral("Last_Name")) + QStringLiteral(", ")
        + orderText(prefix + QStringLiteral("First_Name")) + QStringLiteral(", ")
        + orderText(prefix + QStringLiteral("Middle_Name"));
}

QString rowKey() { return QStringLiteral("rowid"); }

QString returningId(const QString& keyColumn) { return QStringLiteral(" RETURNING ") + keyColumn; }

QVariant text(const QString& value) { return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value); }

QVariant date(const QDate& value) { return value.isValid() ? QVariant(value.toString(Qt::ISODate)) : QVariant(); }

QVariant dateTime(const QDateTime& value)
{
    return value.isValid() ? QVariant(value.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))) : QVariant();
}

QVariant id(qint64 value) { return value > 0 ? QVariant(value) : QVariant(); }

QVariant yesNo(bool value) { return QVariant(value ? 1 : 0); }

QString toText(const QVariant& value) { return value.isNull() ? QString() : value.toString(); }

QDate toDate(const QVariant& value)
{
    if (value.isNull())
        return {};
    const QString s = value.toString();
    // Date-times stored in a date column read back as their day.
    return QDate::fromString(s.left(10), Qt::ISODate);
}

QDateTime toDateTime(const QVariant& value)
{
    if (value.isNull())
        return {};
    const QString s = value.toString();
    QDateTime dt = QDateTime::fromString(s, Qt::ISODate);
    if (!dt.isValid()) {
        const QDate d = QDate::fromString(s.left(10), Qt::ISODate);
        if (d.isValid())
            dt = QDateTime(d, QTime(0, 0));
    }
    return dt;
}

qint64 toId(const QVariant& value) { return value.isNull() ? 0 : value.toLongLong(); }

bool toYesNo(const QVariant& value)
{
    if (value.isNull())
        return false;
    const QString s = value.toString().trimmed().toLower();
    return s != QLatin1String("0") && s != QLatin1String("false") && !s.isEmpty();
}

namespace {

    // Case-folded, in decomposed form, so that one letter typed two ways compares equal.
    QString folded(const QString& s) { return s.normalized(QString::NormalizationForm_D).toCaseFolded(); }

    // The folded text without accents: names sort by their letters first, so
    // "Éclair" sorts among the E names rather than after Z.
    QString primaryKey(const QString& foldedText)
    {
        QString key;
        key.reserve(foldedText.size());
        for (const QChar c : foldedText) {
            if (c.category() != QChar::Mark_NonSpacing)
                key.append(c);
        }
        return key;
    }

} // namespace

int compareText(const QString& a, const QString& b)
{
    const QString fa = folded(a);
    const QString fb = folded(b);
    const int primary = primaryKey(fa).compare(primaryKey(fb));
    if (primary != 0)
        return primary;
    return fa.compare(fb);
}

QString sortKey(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            // The letters without accents first, then the folded text, as
            // the collation compares; a separator below every letter keeps a
            // shorter name ahead of a longer one that starts with it.
            const QString fold = folded(text);
            return primaryKey(fold) + QChar(1) + fold;
        }
    }
    return text.toLower();
}

void appendSortKey(QString& key, const QString& text)
{
    const qsizetype start = key.size();
    key.resize(start + text.size());
    QChar* out = key.data() + start;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x80) {
            key.truncate(start);
            key.append(sortKey(text));
            return;
        }
        *out++ = QChar(u >= 'A' && u <= 'Z' ? char16_t(u + 32) : u);
    }
}

bool containsText(const QString& haystack, const QString& needle)
{
    return haystack.contains(needle, Qt::CaseInsensitive);
}

QString inIdList(const QString& column)
{
    // json_each turns the bound JSON array into rows; SQLite then looks each
    // identifier up by key instead of scanning the table.
    return column + QStringLiteral(" IN (SELECT value FROM json_each(?))");
}

QVariant idList(const QList<qint64>& ids)
{
    QByteArray text;
    text.reserve(ids.size() * 7 + 2);
    text.append('[');
    for (int i = 0; i < ids.size(); ++i) {
        if (i > 0)
            text.append(',');
        text.append(QByteArray::number(ids.at(i)));
    }
    text.append(']');
    return QVariant(QString::fromLatin1(text));
}

void installFunctions(const QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    sqlite3* h = nullptr;
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        h = *static_cast<sqlite3* const*>(handle.data());
    if (!h)
        throw DbError(QStringLiteral("The database driver gave no SQLite connection."));

    int rc = sqlite3_create_collation(h, kCollation, SQLITE_UTF8, nullptr, collate);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function(
            h, "pw_contains", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, containsFunction, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function(
            h, "pw_fold", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, foldFunction, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(h)));
}

} // namespace pw::sql
