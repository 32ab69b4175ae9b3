#include "Utf8Characters.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

}  // namespace

size_t DecodeUtf8Sequence(std::string_view bytes, size_t at, char32_t& codePoint) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) {
        return 0;
    }
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return 0;
        }
        value = (value << 6) | (byte(at + i) & 0x3F);
    }
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    if (value < minimum || value > 0x10FFFF || surrogate) {
        return 0;
    }
    codePoint = value;
    return length;
}

std::string EncodeUtf8(char32_t codePoint) {
    const auto unit = [](char32_t bits) { return static_cast<char>(bits); };
    if (codePoint < 0x80) {
        return std::string(1, unit(codePoint));
    }
    if (codePoint < 0x800) {
        return {unit(0xC0 | (codePoint >> 6)), unit(0x80 | (codePoint & 0x3F))};
    }
    if (codePoint >= 0xD800 && codePoint <= 0xDFFF) {
        return {};
    }
    if (codePoint < 0x10000) {
        return {unit(0xE0 | (codePoint >> 12)), unit(0x80 | ((codePoint >> 6) & 0x3F)),
                unit(0x80 | (codePoint & 0x3F))};
    }
    if (codePoint <= 0x10FFFF) {
        return {unit(0xF0 | (codePoint >> 18)), unit(0x80 | ((codePoint >> 12) & 0x3F)),
                unit(0x80 | ((codePoint >> 6) & 0x3F)), unit(0x80 | (codePoint & 0x3F))};
    }
    return {};
}

std::vector<std::string> SplitUtf8Characters(std::string_view bytes) {
    std::vector<std::string> characters;
    size_t at = 0;
    while (at < bytes.size()) {
        char32_t codePoint = 0;
        const size_t length = DecodeUtf8Sequence(bytes, at, codePoint);
        const size_t taken = length > 0 ? length : 1;
        characters.emplace_back(bytes.substr(at, taken));
        at += taken;
    }
    return characters;
}

char32_t CodePointOf(std::string_view character) {
    char32_t codePoint = kReplacement;
    if (!character.empty() && DecodeUtf8Sequence(character, 0, codePoint) != character.size()) {
        codePoint = kReplacement;
    }
    return codePoint;
}
