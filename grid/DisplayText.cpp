#include "DisplayText.h"

#include "Utf8Characters.h"

namespace {

constexpr wxUint32 kReplacement = 0xFFFD;

}  // namespace

wxString ToDisplayText(const std::string& bytes) {
    wxString text;
    text.reserve(bytes.size());
    size_t at = 0;
    while (at < bytes.size()) {
        char32_t codePoint = 0;
        const size_t length = DecodeUtf8Sequence(bytes, at, codePoint);
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
