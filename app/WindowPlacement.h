#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The main window's placement as the settings file keeps it under
// "Window Pos": flags, show state, the minimised and maximised positions and
// the normal (restored) rectangle, in that order.
struct WindowPlacement {
    unsigned flags = 0;
    unsigned showCmd = 0;
    int minX = 0, minY = 0, maxX = 0, maxY = 0;
    int left = 0, top = 0, right = 0, bottom = 0;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// Show states.
constexpr unsigned kShowNormal = 1;
constexpr unsigned kShowMinimized = 2;
constexpr unsigned kShowMaximized = 3;
// Flag: the window goes back to maximised when restored from minimised.
constexpr unsigned kRestoreToMaximized = 2;

// Reads the ten numbers of "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d". Like sscanf,
// each number may follow blanks and carry a sign ("+" only for the two
// unsigned ones) and a comma must follow each of the first nine directly.
// Unlike sscanf, a number out of its type's range or anything but blanks
// after the tenth number makes the text unreadable. nullopt for an
// unreadable text, an empty one or one with fewer numbers.
std::optional<WindowPlacement> ParseWindowPlacement(std::string_view text);

// The text that ParseWindowPlacement reads back.
std::string FormatWindowPlacement(const WindowPlacement& placement);

// A rectangle on the desktop: its top-left corner and its size.
struct ScreenRect {
    int x = 0, y = 0, width = 0, height = 0;

    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// Of the displays' work areas, the index of the one nearest to the normal
// rectangle of `placement`, as the desktop picks a display for a window: the
// one it overlaps most, else the one closest to it. 0 when `workAreas` is
// empty.
size_t NearestWorkArea(const WindowPlacement& placement, const std::vector<ScreenRect>& workAreas);

// Where the normal rectangle of `placement` goes so that it can be seen
// and used: no larger than `workArea` (and no smaller than `minimum`, which
// wins when the two disagree), moved the least so that it lies on the work
// area. Any numbers, however large or reversed, give such a rectangle.
ScreenRect FitOnWorkArea(const WindowPlacement& placement, const ScreenRect& workArea,
                         int minimumWidth, int minimumHeight);
