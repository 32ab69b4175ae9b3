#include "FileTexts.h"

#include <ctime>

std::string FormatFileTime(int64_t time, const char* pattern) {
    const std::time_t seconds = static_cast<std::time_t>(time);
    std::tm broken{};
    char text[128];
    if (gmtime_r(&seconds, &broken) == nullptr ||
        std::strftime(text, sizeof text, pattern, &broken) == 0) {
        return {};
    }
    return text;
}

std::string AttributeLetters(uint32_t attributes) {
    static constexpr struct {
        uint32_t bit;
        char letter;
    } kLetters[] = {{0x01, 'R'}, {0x02, 'H'}, {0x04, 'S'}, {0x08, 'V'}, {0x10, 'D'}, {0x20, 'A'}};
    std::string letters;
    for (const auto& [bit, letter] : kLetters) {
        if ((attributes & bit) != 0) {
            letters += letter;
        }
    }
    return letters;
}
