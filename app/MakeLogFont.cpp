#include "MakeLogFont.h"

#include <cstdint>
#include <limits>

namespace {

constexpr size_t kFaceNameLimit = 31;
constexpr int kBoldWeight = 700;
constexpr int kNormalWeight = 400;
constexpr uint8_t kClipStrokePrecision = 0x10;
constexpr uint8_t kSwissFamily = 0x20;

}  // namespace

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) {
        return -1;
    }
    int64_t product = static_cast<int64_t>(number) * numerator;
    int64_t divisor = denominator;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const int64_t rounded =
        product >= 0 ? (product + divisor / 2) / divisor : -((-product + divisor / 2) / divisor);
    if (rounded > std::numeric_limits<int>::max() || rounded < std::numeric_limits<int>::min()) {
        return -1;
    }
    return static_cast<int>(rounded);
}

void MakeLogFont(LOGFONTA& logFont, int pointSize, const std::string& faceName, int escapement,
                 bool bold, bool italic, bool underline, bool strikeOut, wxWindow* window) {
    logFont = LOGFONTA{};
    logFont.lfFaceName = faceName.substr(0, kFaceNameLimit);
    logFont.lfHeight = -MulDiv(pointSize, ScreenResolutionOf(window).pixelsPerInch, 72);
    logFont.lfEscapement = escapement;
    logFont.lfWeight = bold ? kBoldWeight : kNormalWeight;
    logFont.lfItalic = italic ? 1 : 0;
    logFont.lfUnderline = underline ? 1 : 0;
    logFont.lfStrikeOut = strikeOut ? 1 : 0;
    logFont.lfClipPrecision = kClipStrokePrecision;
    logFont.lfPitchAndFamily = kSwissFamily;
}
