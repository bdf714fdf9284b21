#include "widgets/TypeAheadIndex.h"

#include <algorithm>
#include <limits>

namespace pw {

namespace {

    // What the sort moves: the first eight letters of a text, case folded,
    // packed into two numbers, so most comparisons never read the texts.
    struct Entry {
        quint64 head = 0;
        quint64 next = 0;
        int row = 0;
        // Every letter folds to one letter of the basic plane (there is no
        // surrogate pair), so the folded text compares letter by letter as
        // the case-blind comparison does. Otherwise the texts themselves are
        // compared.
        bool plain = true;
    };

    // Folds the letters from `from` on in place, as QString's case-blind
    // comparison folds each one; false when a letter cannot be folded so.
    bool foldInPlace(QString& text, qsizetype from)
    {
        char16_t* unit = reinterpret_cast<char16_t*>(text.data()) + from;
        char16_t* const end = reinterpret_cast<char16_t*>(text.data()) + text.size();
        for (; unit != end; ++unit) {
            const char16_t u = *unit;
            if (u < 0x80) {
                if (u >= 'A' && u <= 'Z')
                    *unit = char16_t(u + 32);
                continue;
            }
            if (QChar::isSurrogate(u))
                return false;
            const char32_t folded = QChar::toCaseFolded(char32_t(u));
            if (folded > 0xFFFF)
                return false;
            *unit = char16_t(folded);
        }
        return true;
    }

    quint64 pack(QStringView folded, qsizetype from)
    {
        quint64 v = 0;
        for (qsizetype i = from; i < from + 4; ++i) // past the end: 0, below every letter
            v = (v << 16) | (i < folded.size() ? folded[i].unicode() : 0);
        return v;
    }

} // namespace

TypeAheadIndex::TypeAheadIndex(int rows, AppendText appendText)
    : m_rows(std::max(rows, 0))
    , m_appendText(std::move(appendText))
    , m_leaves(m_rows)
{
    if (m_rows == 0)
        return;
    // Every text once, folded, one after the other, while sorting.
    QString folded;
    std::vector<qsizetype> starts(std::size_t(m_rows) + 1);
    std::vector<Entry> entries(static_cast<std::size_t>(m_rows));
    for (int row = 0; row < m_rows; ++row) {
        const qsizetype start = folded.size();
        starts[std::size_t(row)] = start;
        m_appendText(row, folded);
        entries[std::size_t(row)].row = row;
        entries[std::size_t(row)].plain = foldInPlace(folded, start);
    }
    starts[std::size_t(m_rows)] = folded.size();
    const auto foldedText = [&](int row) {
        const qsizetype from = starts[std::size_t(row)];
        return QStringView(folded).sliced(from, starts[std::size_t(row) + 1] - from);
    };
    for (Entry& e : entries) {
        if (e.plain) {
            e.head = pack(foldedText(e.row), 0);
            e.next = pack(foldedText(e.row), 4);
        }
    }
    // The order of QString's case-blind comparison, which startsWith uses
    // too; equal texts keep their list order.
    QString a;
    QString b;
    std::sort(entries.begin(), entries.end(), [&](const Entry& x, const Entry& y) {
        int c = 0;
        if (x.plain && y.plain) {
            if (x.head != y.head)
                return x.head < y.head;
            if (x.next != y.next)
                return x.next < y.next;
            c = foldedText(x.row).compare(foldedText(y.row));
        } else {
            a.clear();
            b.clear();
            m_appendText(x.row, a);
            m_appendText(y.row, b);
            c = a.compare(b, Qt::CaseInsensitive);
        }
        return c != 0 ? c < 0 : x.row < y.row;
    });

    m_tree.resize(2 * std::size_t(m_rows));
    for (int i = 0; i < m_rows; ++i)
        m_tree[std::size_t(m_leaves + i)] = entries[std::size_t(i)].row;
    for (int i = m_leaves - 1; i > 0; --i)
        m_tree[std::size_t(i)] = std::min(m_tree[std::size_t(2 * i)], m_tree[std::size_t(2 * i + 1)]);
}

int TypeAheadIndex::smallestRow(int from, int to) const
{
    int smallest = std::numeric_limits<int>::max();
    for (from += m_leaves, to += m_leaves; from < to; from /= 2, to /= 2) {
        if (from % 2)
            smallest = std::min(smallest, m_tree[std::size_t(from++)]);
        if (to % 2)
            smallest = std::min(smallest, m_tree[std::size_t(--to)]);
    }
    return smallest;
}

int TypeAheadIndex::firstStartingWith(QStringView prefix) const
{
    // Cut to the prefix's length, the sorted texts stay in order; those equal
    // to the prefix are one run, and the smallest row of that run wins.
    QString text;
    const auto compareAt = [&](int position) {
        text.clear();
        m_appendText(m_tree[std::size_t(m_leaves + position)], text);
        return QStringView(text).first(std::min(text.size(), prefix.size())).compare(prefix, Qt::CaseInsensitive);
    };
    const auto firstWhere = [&](int low, auto&& isPast) {
        int high = m_rows;
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (isPast(compareAt(middle)))
                high = middle;
            else
                low = middle + 1;
        }
        return low;
    };
    const int from = firstWhere(0, [](int c) { return c >= 0; });
    const int to = firstWhere(from, [](int c) { return c > 0; });
    return from < to ? smallestRow(from, to) : -1;
}

} // namespace pw
