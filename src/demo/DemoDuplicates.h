#pragma once

namespace pw {
class Database;
}

namespace pw::demo {

// Turns a handful of the church's single people (heads of a household of
// one, without responsibilities, account or other rows naming them) into
// second records of other people, as typing creates them in a real office:
// the same name and birth date, a slip in the first name with the same
// phone, or the same name and phone without a birth date. The number of
// people stays as it was. Deterministic: the same church gives the same
// duplicates.
void addDuplicates(Database& db, int people);

} // namespace pw::demo
