#pragma once

// The make-up of a demonstration church before anything is written: who
// lives together, how old they are, and how they stand with the church. Also
// the seeded random source the whole generator draws from.

#include "demo/DemoData.h"

#include <QDate>
#include <QString>
#include <algorithm>
#include <array>
#include <random>
#include <vector>

namespace pw::demo::detail {

// Uniform picks built on std::mt19937 alone, so that one seed gives the
// same church with every compiler and standard library.
class Random {
public:
    explicit Random(quint32 seed)
        : m_engine(seed)
    {
    }

    quint32 next() { return static_cast<quint32>(m_engine()); }
    // Uniform in [0, n) for n > 0.
    int below(int n) { return static_cast<int>((static_cast<quint64>(next()) * static_cast<quint64>(n)) >> 32); }
    int between(int lo, int hi) { return hi <= lo ? lo : lo + below(hi - lo + 1); }
    bool chance(double p) { return next() < p * 4294967296.0; }
    double unit() { return next() / 4294967296.0; }

    // A day in [from, to]; from when the range is empty.
    QDate day(const QDate& from, const QDate& to)
    {
        const qint64 span = from.daysTo(to);
        return span <= 0 ? from : from.addDays(below(static_cast<int>(span + 1)));
    }

    template <class T> const T& pick(const std::vector<T>& items) { return items[below(int(items.size()))]; }

    template <class T> void shuffle(std::vector<T>& items)
    {
        for (int i = int(items.size()) - 1; i > 0; --i)
            std::swap(items[i], items[below(i + 1)]);
    }

private:
    std::mt19937 m_engine;
};

// Picks texts in proportion to their weights.
class Picker {
public:
    explicit Picker(const std::vector<data::Weighted>& items)
    {
        for (const data::Weighted& item : items) {
            m_texts.push_back(QString::fromUtf8(item.text));
            m_total += item.weight;
            m_cumulative.push_back(m_total);
        }
    }
    const QString& pick(Random& rnd) const
    {
        const int x = rnd.below(m_total);
        const auto it = std::upper_bound(m_cumulative.begin(), m_cumulative.end(), x);
        return m_texts[std::size_t(it - m_cumulative.begin())];
    }

private:
    std::vector<QString> m_texts;
    std::vector<int> m_cumulative;
    int m_total = 0;
};

// Index of a weighted choice among fixed alternatives.
template <std::size_t N> int weightedIndex(Random& rnd, const std::array<int, N>& weights)
{
    int total = 0;
    for (int w : weights)
        total += w;
    int x = rnd.below(total);
    for (std::size_t i = 0; i < N; ++i) {
        if (x < weights[i])
            return int(i);
        x -= weights[i];
    }
    return int(N) - 1;
}

// An age group that a class is meant for.
struct Band {
    const char* name;
    int minAge;
    int maxAge;
    const char* description;
    const char* building;
};

enum class Rel { Head, Spouse, Child, StepChild, Grandchild, Parent };

struct PlanPerson {
    Rel rel;
    bool male;
    QDate birth;
};

struct PlanHousehold {
    bool prospect = false;
    bool married = false;
    bool deacon = false;
    QString churchStatus;
    std::vector<PlanPerson> people;
};

// Age in whole years on day.
int ageOn(const QDate& birth, const QDate& day);

// Index of the band that age falls in, or -1.
int bandOf(const std::vector<Band>& bands, int age);

// Households for exactly people persons, about a tenth of them prospects.
// Deacons' households come first and prospects' last.
std::vector<PlanHousehold> planHouseholds(Random& rnd, const QDate& today, int people);

} // namespace pw::demo::detail
