#pragma once

#include <wx/bitmap.h>
#include <wx/bmpbndl.h>
#include <wx/cursor.h>
#include <wx/iconbndl.h>

// The program's images, found by resource number. They are the PNG files of
// res/ (bitmaps/bitmap_<n>.png, icons/icon_<n>_<size>.png,
// cursors/cursor_<n>.png), compiled into the program, so they load the same
// from the build tree, the tests and an installed program.

// Bitmaps 129 to 135 (status icons) and 142, 143 (Copy All faces);
// an invalid bitmap when there is none of that number.
wxBitmap LoadResourceBitmap(int resourceId);

// The same bitmap for windows, also at twice its size for displays scaled
// to double size: every pixel doubled, so that it stays sharp. An empty
// bundle when there is no bitmap of that number.
wxBitmapBundle LoadResourceBitmapBundle(int resourceId);

// Icon 128 (the program) in every size there is; empty when none.
wxIconBundle LoadResourceIcon(int resourceId);

// Cursor 1083 (the link hand); an invalid cursor when none.
wxCursor LoadResourceCursor(int resourceId);

// The up-arrow cursor that links show when their own cursor is missing.
wxCursor UpArrowCursor();
