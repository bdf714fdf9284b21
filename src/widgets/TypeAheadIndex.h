#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace pw {

// The entries of a list sorted by their texts as type-ahead compares them
// (letter case folded, as QString::startsWith with Qt::CaseInsensitive
// does), so that the first entry from the top that begins with a typed text
// is found in a few dozen comparisons, on 2,000 entries as on 1,000,000.
//
// It keeps no texts: they are asked for again while searching, so the index
// costs 8 bytes per entry. The list must not change while an index of it is
// in use.
class TypeAheadIndex {
public:
    // Appends the text of a row to out.
    using AppendText = std::function<void(int row, QString& out)>;

    TypeAheadIndex(int rows, AppendText appendText);

    // The smallest row whose text begins with prefix (ignoring letter case),
    // or -1 when none does. The same row as a search from the top finds.
    int firstStartingWith(QStringView prefix) const;

    int size() const { return m_rows; }

private:
    // The smallest row among the entries at sorted positions [from, to).
    int smallestRow(int from, int to) const;

    int m_rows = 0;
    AppendText m_appendText;
    // A tree of minimums over the rows in sorted order: the leaves, from
    // m_leaves on, are the rows in the order of their texts; each inner node
    // holds the smallest row below it.
    std::vector<int> m_tree;
    int m_leaves = 0;
};

} // namespace pw
