#pragma once

#include <cstdint>
#include <string>

// The English name of a Windows-style language identifier as version
// records carry it ("English (United States)" for 0409). Identifiers the
// table does not know give "Unknown language".
std::string LanguageName(uint16_t languageId);
