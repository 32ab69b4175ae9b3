#include "DisplayText.h"

namespace {

constexpr wxUint32 kReplacement = 0xFFFD;

// Length of the valid UTF-8 sequence starting at `at` and its code point,
// or 0 when the bytes there are not one.
size_t DecodeSequence(const std::string& bytes, size_t at, char32_t& codePoint) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
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
        codePoint = (codePoint << 6) | (byte(at + i) & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    return (codePoint < minimum || codePoint > 0x10FFFF || surrogate) ? 0 : length;
}

}  // namespace

wxString ToDisplayText(const std::string& bytes) {
    wxString text;
    text.reserve(bytes.size());
    size_t at = 0;
    while (at < bytes.size()) {
        char32_t codePoint = 0;
        const size_t length = DecodeSequence(bytes, at, codePoint);
        if (length > 0) {
            text += wxUniChar(static_cast<wxUint32>(codePoint));
            at += length;
            continue;
        }
        // Skip the lead byte and the continuation bytes that follow it.
        text += wxUniChar(kReplacement);
        ++at;
        while (at < bytes.size() && (static_cast<unsigned char>(bytes[at]) & 0xC0) == 0x80) {
            ++at;
        }
    }
    return text;
}
