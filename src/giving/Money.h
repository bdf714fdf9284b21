#pragma once

// Amounts of money are whole cents in 64-bit integers from the database to
// the page: typed text is read digit by digit and never passes through a
// floating-point number, so 0.10 + 0.20 is 0.30 everywhere.

#include <QLocale>
#include <QString>
#include <optional>

namespace pw::giving {

// Reads an amount as a person types it: "12", "12.5", "12.50", "$1,234.56",
// "-3.00", "(3.00)" (an accountant's negative), ".75", with blanks around.
// A comma groups thousands; at most two decimals. Nothing for empty text,
// anything else, or an amount beyond a trillion.
std::optional<qint64> parseCents(const QString& text);

// The amount in the locale's currency form ("$1,234.56", "-$0.30").
QString centsText(qint64 cents, const QLocale& locale = QLocale());

// The amount without a currency symbol or grouping, as a CSV file carries it
// ("1234.56", "-0.30").
QString plainCents(qint64 cents);

} // namespace pw::giving
