#include "LanguageName.h"

#include <algorithm>
#include <iterator>

namespace {

struct NamedLanguage {
    uint16_t id;
    const char* name;
};

constexpr NamedLanguage kLanguages[] = {
    {0x0000, "Language Neutral"},
    {0x0401, "Arabic (Saudi Arabia)"},
    {0x0404, "Chinese (Taiwan)"},
    {0x0405, "Czech (Czech Republic)"},
    {0x0406, "Danish (Denmark)"},
    {0x0407, "German (Germany)"},
    {0x0408, "Greek (Greece)"},
    {0x0409, "English (United States)"},
    {0x040B, "Finnish (Finland)"},
    {0x040C, "French (France)"},
    {0x040E, "Hungarian (Hungary)"},
    {0x0410, "Italian (Italy)"},
    {0x0411, "Japanese (Japan)"},
    {0x0412, "Korean (Korea)"},
    {0x0413, "Dutch (Netherlands)"},
    {0x0415, "Polish (Poland)"},
    {0x0416, "Portuguese (Brazil)"},
    {0x0419, "Russian (Russia)"},
    {0x041D, "Swedish (Sweden)"},
    {0x041F, "Turkish (Turkey)"},
    {0x0804, "Chinese (People's Republic of China)"},
    {0x0807, "German (Switzerland)"},
    {0x0809, "English (United Kingdom)"},
    {0x0816, "Portuguese (Portugal)"},
    {0x0C07, "German (Austria)"},
    {0x0C09, "English (Australia)"},
    {0x0C0A, "Spanish (Spain)"},
    {0x0C0C, "French (Canada)"},
    {0x1009, "English (Canada)"},
};

}  // namespace

std::string LanguageName(uint16_t languageId) {
    const auto found = std::find_if(
        std::begin(kLanguages), std::end(kLanguages),
        [languageId](const NamedLanguage& language) { return language.id == languageId; });
    return found == std::end(kLanguages) ? "Unknown language" : found->name;
}
