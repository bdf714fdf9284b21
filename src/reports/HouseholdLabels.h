#pragma once

// Mail that goes one piece per household instead of one per person. A
// household is a head of household (Head_Of_Household ticked) with the
// relatives the head lists in Family_Connection. Of the people found:
// - a head stands for the household;
// - a person a head lists goes to that head's household, at the head's
//   address, whether or not the head was found too (children are never
//   addressed on their own: they are on their family's piece);
// - a person no head lists, and who is no head, has a household of one.
// Every household is addressed once.

#include <QList>
#include <QString>
#include <vector>

namespace pw::reports {

// How a household of more than its head is addressed.
enum class HouseholdName {
    Family, // "The Hale Family"
    Couple, // "Henry & Helen Hale": the head and the spouse (Wife, Husband or Spouse)
};

// Whether a list or a label run goes one per person or one per household.
struct HouseholdChoice {
    bool perHousehold = false;
    HouseholdName name = HouseholdName::Family;
};

struct Addressee {
    qint64 id = 0; // the head, or the person on their own: whose name and address are used
    // The household's name; empty when the person's own name is used (a
    // household of one, a head who lists nobody).
    QString name;
};

// The households of the people found, in no particular order. Identifiers
// that name nobody are left out.
std::vector<Addressee> householdsOf(const QList<qint64>& found, HouseholdName naming);

} // namespace pw::reports
