#include "NumberText.h"

#include <wx/datetime.h>

#include <locale.h>
#include <algorithm>
#include <charconv>
#include <clocale>
#include <cstdlib>

#include "DisplayText.h"

namespace {

// Decimals beyond this add nothing a double can hold.
constexpr int kMaxDecimals = 340;

void RemoveAll(std::string& text, const std::string& piece) {
    if (piece.empty()) {
        return;
    }
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at)) {
        text.erase(at, piece.size());
    }
}

// "1234567" -> "1,234,567" with separator ","; a leading sign stays in front.
std::string GroupByThree(const std::string& digits, const std::string& separator) {
    const size_t signLength = (!digits.empty() && digits[0] == '-') ? 1 : 0;
    std::string grouped = digits.substr(0, signLength);
    const size_t count = digits.size() - signLength;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) {
            grouped += separator;
        }
        grouped += digits[signLength + i];
    }
    return grouped;
}

bool IsPlainDecimal(const std::string& text) {
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-')) {
            return false;
        }
    }
    return true;
}

// Plain digits with "." into the locale's form: grouped integer part, a
// leading zero before a bare fraction, the locale's decimal point, and no
// decimal point when there are no decimals.
std::string ApplyConventions(const std::string& plain, const NumberConventions& conventions) {
    const size_t point = plain.find('.');
    std::string integerPart = plain.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : plain.substr(point + 1);
    if (integerPart.empty() || integerPart == "-") {
        integerPart += '0';
    }
    std::string text = GroupByThree(integerPart, conventions.thousandsSeparator);
    if (!fraction.empty()) {
        text += conventions.decimalPoint + fraction;
    }
    return text;
}

// "%lf" with leading and trailing "0" characters cut: 1234.5 -> "1234.5",
// 0.5 -> ".5", 100 -> "100.", 0 -> ".".
std::string SixDecimalsTrimmed(double number) {
    std::string text = FormatFixed(number, 6);
    const size_t first = text.find_first_not_of('0');
    text.erase(0, first == std::string::npos ? text.size() : first);
    const size_t last = text.find_last_not_of('0');
    text.erase(last == std::string::npos ? 0 : last + 1);
    return text;
}

locale_t CLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

// Days from 1 January 1970 to a civil date (proleptic Gregorian).
long DaysFromCivil(long year, unsigned month, unsigned day) {
    year -= month <= 2 ? 1 : 0;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long>(dayOfEra) - 719468;
}

}  // namespace

NumberConventions NumberConventions::FromLocale() {
    const lconv* conventions = std::localeconv();
    NumberConventions result;
    if (conventions->decimal_point != nullptr && conventions->decimal_point[0] != '\0') {
        result.decimalPoint = conventions->decimal_point;
    }
    if (conventions->thousands_sep != nullptr) {
        result.thousandsSeparator = conventions->thousands_sep;
    }
    if (conventions->currency_symbol != nullptr) {
        result.currencySymbol = conventions->currency_symbol;
    }
    return result;
}

std::string FormatFixed(double number, int decimals) {
    char buffer[700];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed,
                      std::clamp(decimals, 0, kMaxDecimals));
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

std::string FormatNumberText(double number, std::optional<int> fixedDecimals, bool grouped,
                             const NumberConventions& conventions) {
    std::string text =
        fixedDecimals ? FormatFixed(number, *fixedDecimals) : SixDecimalsTrimmed(number);
    if (grouped && IsPlainDecimal(text)) {
        text = ApplyConventions(text, conventions);
    }
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    return text.empty() ? "0" : text;
}

double TextToNumber(const std::string& text, const NumberConventions& conventions) {
    std::string plain = text;
    RemoveAll(plain, conventions.thousandsSeparator);
    RemoveAll(plain, conventions.currencySymbol);
    if (conventions.decimalPoint != ".") {
        for (size_t at = plain.find(conventions.decimalPoint); at != std::string::npos;
             at = plain.find(conventions.decimalPoint, at + 1)) {
            plain.replace(at, conventions.decimalPoint.size(), ".");
        }
    }
    return strtod_l(plain.c_str(), nullptr, CLocale());
}

std::optional<double> DateTextToNumber(const std::string& text) {
    const wxString wide = ToDisplayText(text);
    wxDateTime when;
    wxString::const_iterator end;
    if (!when.ParseDateTime(wide, &end) && !when.ParseDate(wide, &end)) {
        return std::nullopt;
    }
    if (!wxString(end, wide.end()).Trim().empty()) {
        return std::nullopt;
    }
    const wxDateTime::Tm tm = when.GetTm();
    const long days =
        DaysFromCivil(tm.year, tm.mon - wxDateTime::Jan + 1, tm.mday) - DaysFromCivil(1899, 12, 30);
    const double fraction = (tm.hour * 3600.0 + tm.min * 60.0 + tm.sec) / 86400.0;
    // Before 1899 the fraction still counts forward from the day's start.
    return days >= 0 ? days + fraction : days - fraction;
}
