#pragma once

// How a telephone number written by a person becomes the digits the program
// stores: the one rule of the phone boxes and of the people import.

#include <QString>

namespace pw::phones {

// The digits a number has: area code and number.
constexpr int kDigits = 10;

struct Reading {
    enum class Result {
        Digits, // digits holds the number's digits (at most kDigits; none for empty text)
        TooManyDigits, // more digits than a number has, even without a country code 1
        NotANumber, // a character that is neither a digit nor a separator
    };
    Result result = Result::Digits;
    QString digits; // the digits read, country code left out; also when refused
};

// Reads a number as it is typed or pasted: its digits, whatever separators
// come between them (-, ., /, blanks, brackets), and without a leading
// country code 1 ("1-615-555-0142", "+1 615 555 0142"). A "+" may come only
// before the first digit; any other character (a letter of "ext. 12") makes
// the text no number.
Reading read(const QString& text);

// The ten digits of a whole number written in any of those forms; empty when
// the text is not one.
QString tenDigits(const QString& text);

} // namespace pw::phones
