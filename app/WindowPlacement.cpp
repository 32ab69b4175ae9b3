#include "WindowPlacement.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace {

constexpr std::string_view kBlanks = " \t\r\n\f\v";

// Reads one number of type T from the front of `text` and consumes it,
// with the blanks before it.
template <typename T>
bool TakeNumber(std::string_view& text, T& number) {
    const size_t start = text.find_first_not_of(kBlanks);
    if (start == std::string_view::npos) {
        return false;
    }
    text.remove_prefix(start);
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') {
        text.remove_prefix(1);
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc()) {
        return false;
    }
    text.remove_prefix(static_cast<size_t>(end - text.data()));
    return true;
}

// One axis of the saved rectangle against one axis of a work area, with
// room for any two ints.
struct Span {
    int64_t start;
    int64_t end;  // exclusive
};

int64_t Overlap(Span a, Span b) {
    return std::max<int64_t>(0, std::min(a.end, b.end) - std::max(a.start, b.start));
}

int64_t Gap(Span a, Span b) {
    return std::max<int64_t>({0, a.start - b.end, b.start - a.end});
}

// A reversed span counts as the point where it starts.
Span HorizontalSpan(const WindowPlacement& placement) {
    return {placement.left, std::max<int64_t>(placement.left, placement.right)};
}

Span VerticalSpan(const WindowPlacement& placement) {
    return {placement.top, std::max<int64_t>(placement.top, placement.bottom)};
}

// The size and the start of one axis of the fitted rectangle.
std::pair<int, int> FitSpan(Span saved, int64_t areaStart, int64_t areaLength, int minimum) {
    const int64_t length =
        std::max<int64_t>(std::min(saved.end - saved.start, areaLength), minimum);
    const int64_t start =
        std::max(std::min(saved.start, areaStart + areaLength - length), areaStart);
    return {static_cast<int>(length), static_cast<int>(start)};
}

}  // namespace

size_t NearestWorkArea(const WindowPlacement& placement, const std::vector<ScreenRect>& workAreas) {
    const Span across = HorizontalSpan(placement);
    const Span down = VerticalSpan(placement);
    size_t best = 0;
    int64_t bestOverlap = -1;
    // Squared gaps of up to 2^33 pixels on each axis: beyond 64 bits.
    double bestDistance = 0;
    for (size_t i = 0; i < workAreas.size(); ++i) {
        const ScreenRect& area = workAreas[i];
        const Span areaAcross{area.x, int64_t{area.x} + area.width};
        const Span areaDown{area.y, int64_t{area.y} + area.height};
        const int64_t overlap = Overlap(across, areaAcross) * Overlap(down, areaDown);
        const auto dx = static_cast<double>(Gap(across, areaAcross));
        const auto dy = static_cast<double>(Gap(down, areaDown));
        const double distance = dx * dx + dy * dy;
        if (overlap > bestOverlap ||
            (overlap == 0 && bestOverlap == 0 && distance < bestDistance)) {
            best = i;
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    return best;
}

ScreenRect FitOnWorkArea(const WindowPlacement& placement, const ScreenRect& workArea,
                         int minimumWidth, int minimumHeight) {
    const auto [width, x] =
        FitSpan(HorizontalSpan(placement), workArea.x, workArea.width, minimumWidth);
    const auto [height, y] =
        FitSpan(VerticalSpan(placement), workArea.y, workArea.height, minimumHeight);
    return {x, y, width, height};
}

std::optional<WindowPlacement> ParseWindowPlacement(std::string_view text) {
    WindowPlacement placement;
    int* const positions[] = {&placement.minX,  &placement.minY,  &placement.maxX,
                              &placement.maxY,  &placement.left,  &placement.top,
                              &placement.right, &placement.bottom};
    const auto takeSeparator = [&text] {
        if (!text.starts_with(',')) {
            return false;
        }
        text.remove_prefix(1);
        return true;
    };
    if (!TakeNumber(text, placement.flags) || !takeSeparator() ||
        !TakeNumber(text, placement.showCmd)) {
        return std::nullopt;
    }
    for (int* position : positions) {
        if (!takeSeparator() || !TakeNumber(text, *position)) {
            return std::nullopt;
        }
    }
    if (text.find_first_not_of(kBlanks) != std::string_view::npos) {
        return std::nullopt;
    }
    return placement;
}

std::string FormatWindowPlacement(const WindowPlacement& placement) {
    std::string text = std::to_string(placement.flags) + "," + std::to_string(placement.showCmd);
    for (const int position : {placement.minX, placement.minY, placement.maxX, placement.maxY,
                               placement.left, placement.top, placement.right, placement.bottom}) {
        text += "," + std::to_string(position);
    }
    return text;
}
