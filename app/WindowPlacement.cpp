#include "WindowPlacement.h"

#include <charconv>

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

}  // namespace

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
