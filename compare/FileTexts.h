#pragma once

#include <cstdint>
#include <string>

// How file details are written in the results.

// `time` (seconds since 1970) broken down as UTC and formatted with
// strftime's `pattern`; empty when it cannot be broken down or is too long.
std::string FormatFileTime(int64_t time, const char* pattern);
// The set attribute bits as letters in the fixed order R H S V D A.
std::string AttributeLetters(uint32_t attributes);
