#pragma once

#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

// A bitmap of one colour, for cells that show a bitmap.
inline wxBitmap SolidBitmap(const wxSize& size, const wxColour& colour) {
    wxBitmap bitmap(size);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(wxBrush(colour));
    dc.Clear();
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

// A rendering of grid cells, read pixel by pixel. Rectangles count their
// last row and column.
class GridPicture {
  public:
    explicit GridPicture(const wxBitmap& bitmap) : m_image(bitmap.ConvertToImage()) {}
    explicit GridPicture(const wxImage& image) : m_image(image) {}

    wxColour At(int x, int y) const {
        return wxColour(m_image.GetRed(x, y), m_image.GetGreen(x, y), m_image.GetBlue(x, y));
    }
    static bool IsDark(const wxColour& colour) {
        return colour.Red() + colour.Green() + colour.Blue() < 3 * 128;
    }
    // Pixels in the rectangle darker than mid grey: where text was drawn.
    int DarkPixels(const wxRect& rect) const {
        return Count(rect, [](const wxColour& colour) { return IsDark(colour); });
    }
    int PixelsOf(const wxRect& rect, const wxColour& wanted) const {
        return Count(rect, [&wanted](const wxColour& colour) { return colour == wanted; });
    }

  private:
    template <class Predicate>
    int Count(const wxRect& rect, Predicate matches) const {
        int found = 0;
        for (int y = rect.y; y <= rect.GetBottom(); ++y) {
            for (int x = rect.x; x <= rect.GetRight(); ++x) {
                found += matches(At(x, y)) ? 1 : 0;
            }
        }
        return found;
    }

    wxImage m_image;
};
