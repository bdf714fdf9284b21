#include "data/Sql.h"

#include "data/Database.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVarLengthArray>
#include <algorithm>
#include <memory>
#include <sqlite3.h>

namespace {
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Sql)
};
} // namespace

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

    // A pattern of the user's wildcards made ready for matching many rows:
    // lower-case bytes for plain ASCII, and the case-folded characters for
    // text in any other alphabet.
    struct CompiledPattern {
        bool ascii = true;
        QByteArray asciiLower;
        QList<uint> folded;
    };

    // One form for both sides of a match: composed, so that "?" stands for an
    // accented letter however it was typed, and case-folded.
    QList<uint> matchForm(const QString& s)
    {
        return s.normalized(QString::NormalizationForm_C).toCaseFolded().toUcs4();
    }

    CompiledPattern compilePattern(const QString& pattern)
    {
        CompiledPattern compiled;
        for (const QChar c : pattern) {
            if (c.unicode() >= 0x80) {
                compiled.ascii = false;
                break;
            }
        }
        if (compiled.ascii)
            compiled.asciiLower = pattern.toLatin1().toLower();
        compiled.folded = matchForm(pattern);
        return compiled;
    }

    // "*" matches any run, "?" any one unit, anything else itself (after
    // fold()). Backtracks only to the last "*", so the work stays within text
    // length times pattern length.
    template <class Unit, class Fold>
    bool wildcardMatch(const Unit* text, qsizetype textLen, const Unit* pattern, qsizetype patternLen, Fold fold)
    {
        qsizetype t = 0, p = 0, starP = -1, starT = 0;
        while (t < textLen) {
            if (p < patternLen && pattern[p] == Unit('*')) {
                starP = p++;
                starT = t;
            } else if (p < patternLen && (pattern[p] == Unit('?') || pattern[p] == fold(text[t]))) {
                ++p;
                ++t;
            } else if (starP >= 0) {
                p = starP + 1;
                t = ++starT;
            } else {
                return false;
            }
        }
        while (p < patternLen && pattern[p] == Unit('*'))
            ++p;
        return p == patternLen;
    }

    bool matchUtf8(const CompiledPattern& pattern, const char* text, int length)
    {
        bool asciiText = true;
        for (int i = 0; asciiText && i < length; ++i)
            asciiText = static_cast<unsigned char>(text[i]) < 0x80;
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
        if (asciiText && pattern.ascii)
            return wildcardMatch(text, length, pattern.asciiLower.constData(), pattern.asciiLower.size(), lower);
        if (asciiText) {
            // Plain text folds to its lower case; no need to decode it.
            QVarLengthArray<uint, 256> units(length);
            for (int i = 0; i < length; ++i)
                units[i] = static_cast<unsigned char>(lower(text[i]));
            return wildcardMatch(units.constData(), units.size(), pattern.folded.constData(), pattern.folded.size(),
                [](uint c) { return c; });
        }
        const QList<uint> folded = matchForm(QString::fromUtf8(text, length));
        return wildcardMatch(folded.constData(), folded.size(), pattern.folded.constData(), pattern.folded.size(),
            [](uint c) { return c; });
    }

    void matchFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
    {
        if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
            sqlite3_result_null(ctx);
            return;
        }
        // The pattern is compiled once per statement and kept with it.
        const auto* cached = static_cast<const CompiledPattern*>(sqlite3_get_auxdata(ctx, 1));
        std::unique_ptr<CompiledPattern> fresh;
        if (!cached)
            fresh = std::make_unique<CompiledPattern>(compilePattern(valueText(argv[1])));
        const CompiledPattern& pattern = cached ? *cached : *fresh;
        const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
        const bool matched = matchUtf8(pattern, text ? text : "", text ? sqlite3_value_bytes(argv[0]) : 0);
        sqlite3_result_int(ctx, matched ? 1 : 0);
        // Last, as SQLite may drop the data at once.
        if (fresh)
            sqlite3_set_auxdata(ctx, 1, fresh.release(), [](void* p) { delete static_cast<CompiledPattern*>(p); });
    }

} // namespace

QString textEquals(const QString& column)
{
    // The collation sits on the column, not on the value: SQLite (3.40) turns
    // "col = ? COLLATE c OR col = ? COLLATE c" into one IN over the column's
    // index and loses the collation, which silently drops rows.
    return column + QStringLiteral(" COLLATE ") + QLatin1String(kCollation) + QStringLiteral(" = ?");
}

QString textEqualsColumn(const QString& column, const QString& other)
{
    return column + QStringLiteral(" COLLATE ") + QLatin1String(kCollation) + QStringLiteral(" = ") + other;
}

QString textEqualsTrimmedCandidates(const QString& column, const QString& text, QVariantList& params)
{
    const QString key = text.trimmed();
    // The letters of the key that index ranges narrow on: plain ASCII, so
    // that every way of writing them is its lower or upper case.
    qsizetype prefix = 0;
    while (prefix < std::min<qsizetype>(key.size(), 3) && key.at(prefix).unicode() > 0x20
        && key.at(prefix).unicode() < 0x7F)
        ++prefix;
    if (engine() == Database::Engine::PostgreSQL || prefix == 0) {
        // A server's collation orders by language, not by code: ranges by
        // code would miss rows there, so the comparison reads every row.
        params.append(key);
        return QStringLiteral("trim(%1) COLLATE %2 = ?").arg(column, QLatin1String(kCollation));
    }
    QStringList variants { QString() };
    for (qsizetype i = 0; i < prefix; ++i) {
        const QChar c = key.at(i);
        QStringList longer;
        for (const QString& v : std::as_const(variants)) {
            longer.append(v + c.toLower());
            if (c.toUpper() != c.toLower())
                longer.append(v + c.toUpper());
        }
        variants = longer;
    }
    QStringList ranges;
    for (const QString& v : std::as_const(variants)) {
        QString after = v;
        after.back() = QChar(after.back().unicode() + 1);
        params << v << after;
        ranges.append(QStringLiteral("(%1 >= ? AND %1 < ?)").arg(column));
    }
    // Values stored with a blank or control character before them.
    ranges.append(QStringLiteral("(%1 > '' AND %1 < '!')").arg(column));
    return QLatin1Char('(') + ranges.join(QStringLiteral(" OR ")) + QLatin1Char(')');
}

QString textContains(const QString& column) { return QStringLiteral("pw_contains(%1, ?)").arg(column); }

QString orderText(const QString& column)
{
    // Null first, as SQLite sorts it; a server sorts it last unless told.
    const QString term = column + QStringLiteral(" COLLATE ") + QLatin1String(kCollation);
    return engine() == Database::Engine::PostgreSQL ? term + QStringLiteral(" NULLS FIRST") : term;
}

QString orderByName(const QString& table)
{
    const QString prefix = table.isEmpty() ? QString() : table + QLatin1Char('.');
    return orderText(prefix + QStringLiteral("Last_Name")) + QStringLiteral(", ")
        + orderText(prefix + QStringLiteral("First_Name")) + QStringLiteral(", ")
        + orderText(prefix + QStringLiteral("Middle_Name"));
}

namespace {
    Database::Engine& currentEngine()
    {
        static Database::Engine engine = Database::Engine::SQLite;
        return engine;
    }
} // namespace

void setEngine(Database::Engine engine) { currentEngine() = engine; }

Database::Engine engine() { return currentEngine(); }

QString daysBefore(const QString& column)
{
    return currentEngine() == Database::Engine::PostgreSQL
        ? QStringLiteral("(CAST(? AS DATE) - CAST(%1 AS DATE))").arg(column)
        : QStringLiteral("CAST(julianday(?) - julianday(%1) AS INTEGER)").arg(column);
}

QString rowKey()
{
    // The order rows were stored in, for tables without a key of their own
    // (a server's tables carry a column of that name).
    return QStringLiteral("rowid");
}

QString returningId(const QString& keyColumn) { return QStringLiteral(" RETURNING ") + keyColumn; }

QString lockingRows(const Database& db)
{
    // A file's transaction holds the whole file's write lock from its start.
    return db.engine() == Database::Engine::PostgreSQL ? QStringLiteral(" FOR UPDATE") : QString();
}

QString lockingTable(const Database& db, const QString& table)
{
    return db.engine() == Database::Engine::PostgreSQL
        ? QStringLiteral("LOCK TABLE %1 IN SHARE ROW EXCLUSIVE MODE").arg(table)
        : QString();
}

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

QString equalityKey(const QString& text) { return folded(text); }

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
    // The bound JSON array becomes rows; the engine then looks each
    // identifier up by key instead of scanning the table.
    if (engine() == Database::Engine::PostgreSQL)
        return column
            + QStringLiteral(" IN (SELECT CAST(value AS BIGINT) FROM json_array_elements_text(CAST(? AS json)))");
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
        throw DbError(Tr::tr("The database driver gave no SQLite connection."));

    int rc = sqlite3_create_collation(h, kCollation, SQLITE_UTF8, nullptr, collate);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function(
            h, "pw_contains", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, containsFunction, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function(
            h, "pw_match", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, matchFunction, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function(
            h, "pw_fold", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, foldFunction, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(h)));
}

QString textMatches(const QString& column) { return QStringLiteral("pw_match(%1, ?)").arg(column); }

QVariant wildcardPattern(const QString& pattern) { return text(pattern); }

QVariant containsPattern(const QString& typed) { return QVariant(QLatin1Char('*') + typed + QLatin1Char('*')); }

bool matchesWildcards(const QString& text, const QString& pattern)
{
    const QByteArray utf8 = text.toUtf8();
    return matchUtf8(compilePattern(pattern), utf8.constData(), static_cast<int>(utf8.size()));
}

// Dates are stored as ISO text, so the month is the two digits after the year.
QString monthOf(const QString& column)
{
    return QStringLiteral("CAST(NULLIF(substr(%1, 6, 2), '') AS INTEGER)").arg(column);
}

} // namespace pw::sql
