#include "VersionRules.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <string_view>

#include "FileQueries.h"

namespace {

std::string ModificationDateText(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return kMissingFileVersion;
    }
    struct tm local {};
    if (localtime_r(&status.st_mtime, &local) == nullptr) {
        return kMissingFileVersion;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%d%02d%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday);
    return text;
}

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

// A plain decimal number split at its point: "10.5" gives "10" and "5".
struct DecimalParts {
    std::string_view whole;
    std::string_view fraction;
};

std::optional<DecimalParts> SplitDecimal(std::string_view text) {
    const size_t point = text.find('.');
    if (point == std::string_view::npos) {
        return AllDigits(text) ? std::optional(DecimalParts{text, {}}) : std::nullopt;
    }
    const auto whole = text.substr(0, point);
    const auto fraction = text.substr(point + 1);
    if (!AllDigits(whole) || !AllDigits(fraction)) {
        return std::nullopt;
    }
    return DecimalParts{whole, fraction};
}

// Compares two numbers digit by digit, so that no length of version text
// loses precision.
int CompareDecimals(DecimalParts a, DecimalParts b) {
    const auto withoutLeadingZeros = [](std::string_view digits) {
        const size_t first = digits.find_first_not_of('0');
        return first == std::string_view::npos ? std::string_view() : digits.substr(first);
    };
    const auto wholeA = withoutLeadingZeros(a.whole);
    const auto wholeB = withoutLeadingZeros(b.whole);
    if (wholeA.size() != wholeB.size()) {
        return wholeA.size() < wholeB.size() ? -1 : 1;
    }
    if (const int order = wholeA.compare(wholeB); order != 0) {
        return order;
    }
    const size_t length = std::max(a.fraction.size(), b.fraction.size());
    for (size_t i = 0; i < length; ++i) {
        const char digitA = i < a.fraction.size() ? a.fraction[i] : '0';
        const char digitB = i < b.fraction.size() ? b.fraction[i] : '0';
        if (digitA != digitB) {
            return digitA < digitB ? -1 : 1;
        }
    }
    return 0;
}

// The number a text begins with, after blanks, as atof reads it ("1, 0, 4,
// 0" gives 1), whatever the locale's decimal point is; 0 when there is none.
double LeadingNumber(std::string_view text) {
    const size_t start = text.find_first_not_of(" \t\n\v\f\r");
    if (start == std::string_view::npos) {
        return 0.0;
    }
    text.remove_prefix(start);
    const bool negative = text.front() == '-';
    if (text.front() == '+' || negative) {
        text.remove_prefix(1);
    }
    double number = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return negative ? -number : number;
}

std::string TwoDecimals(double number) {
    char text[400];
    const auto end = std::to_chars(text, text + sizeof text, number, std::chars_format::fixed, 2);
    return std::string(text, end.ec == std::errc() ? end.ptr : text);
}

}  // namespace

std::string LocalVersionText(const std::string& path, const FileVersionReader& readFileVersion) {
    if (!FileExists(path)) {
        return kMissingFileVersion;
    }
    if (const auto version = readFileVersion(path)) {
        return TwoDecimals(LeadingNumber(*version));
    }
    return ModificationDateText(path);
}

bool IsNewerVersion(const std::string& offered, const std::string& local) {
    const auto offeredNumber = SplitDecimal(offered);
    const auto localNumber = SplitDecimal(local);
    if (offeredNumber && localNumber) {
        return CompareDecimals(*localNumber, *offeredNumber) < 0;
    }
    return local < offered;
}
