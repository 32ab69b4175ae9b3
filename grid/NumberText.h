#pragma once

#include <optional>
#include <string>

// Numbers shown in and read from cells, by the conventions of the C
// library's current locale.

// The parts of a locale that number texts use.
struct NumberConventions {
    std::string decimalPoint = ".";
    std::string thousandsSeparator;  // empty: no grouping
    std::string currencySymbol;

    // The conventions of the C library's current locale (localeconv).
    static NumberConventions FromLocale();
};

// The text shown for a number cell. Without fixed decimals the number gets
// six decimals at most, with trailing zeros cut; with them exactly that
// many. Grouped: the digits before the decimal point are grouped by three
// with the thousands separator and the decimal point is the locale's.
// Ungrouped: the plain digits with ".". A zero shows "0".
std::string FormatNumberText(double number, std::optional<int> fixedDecimals, bool grouped,
                             const NumberConventions& conventions);

// The number in a text: the thousands separator and the currency symbol are
// removed, the decimal point read as ".", and the leading part converted as
// the C library does; 0 when nothing can be read.
double TextToNumber(const std::string& text, const NumberConventions& conventions);

// The number with exactly `decimals` decimals, "." as decimal point,
// whatever the locale ("%.2f" of 2.5 is "2.50").
std::string FormatFixed(double number, int decimals);

// A date and time in a text as a day number: days since 30 December 1899,
// the time of day as the fraction (the date format of spreadsheets).
// None when the text is not a date.
std::optional<double> DateTextToNumber(const std::string& text);
