#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/settings.h>

#include <climits>
#include <functional>
#include <string>

#include "DrawButtonFace.h"
#include "DrawTransparentBitmap.h"
#include "GuiTestSupport.h"
#include "MakeLogFont.h"
#include "ResourceImages.h"

namespace {

const wxColour kBackdrop(10, 20, 30);
const wxColour kFace(0, 255, 0);

// Draws into a fresh bitmap filled with `backdrop` and returns its pixels.
wxImage Render(int width, int height, const wxColour& backdrop,
               const std::function<void(wxDC&)>& draw) {
    wxBitmap bitmap(width, height, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(wxBrush(backdrop));
        dc.Clear();
        draw(dc);
    }
    return bitmap.ConvertToImage();
}

// A 24 x 16 picture holding a button face at (2, 2) - (22, 14).
wxImage RenderButton(unsigned itemState, bool pressed) {
    return Render(24, 16, kBackdrop, [&](wxDC& dc) {
        DrawButtonFace(ButtonFace{&dc, 2, 2, 22, 14, itemState, pressed, kFace});
    });
}

wxColour Shadow() {
    return wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
}
wxColour DarkShadow() {
    return wxSystemSettings::GetColour(wxSYS_COLOUR_3DDKSHADOW);
}
wxColour Highlight() {
    return wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT);
}

wxBitmap BitmapFromRows(const std::vector<std::vector<wxColour>>& rows) {
    wxImage image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            const wxColour& c = rows[y][x];
            image.SetRGB(x, y, c.Red(), c.Green(), c.Blue());
        }
    }
    return wxBitmap(image);
}

}  // namespace

TEST(DrawButtonFace, RaisedFaceHasItsEdgesOnTheExactPixels) {
    const wxImage image = RenderButton(0, false);
    // Outside the rectangle nothing is drawn.
    EXPECT_EQ(PixelAt(image, 1, 1), kBackdrop);
    EXPECT_EQ(PixelAt(image, 22, 14), kBackdrop);
    // The top row and the corner pixels that no line reaches keep the face.
    EXPECT_EQ(PixelAt(image, 2, 2), kFace);
    EXPECT_EQ(PixelAt(image, 21, 2), kFace);
    EXPECT_EQ(PixelAt(image, 2, 13), kFace);
    EXPECT_EQ(PixelAt(image, 2, 8), kFace);
    // Highlight along the top and left, one pixel in.
    EXPECT_EQ(PixelAt(image, 3, 3), Highlight());
    EXPECT_EQ(PixelAt(image, 20, 3), Highlight());
    EXPECT_EQ(PixelAt(image, 3, 12), Highlight());
    // Dark shadow along the right and bottom edges.
    EXPECT_EQ(PixelAt(image, 21, 3), DarkShadow());
    EXPECT_EQ(PixelAt(image, 21, 13), DarkShadow());
    EXPECT_EQ(PixelAt(image, 3, 13), DarkShadow());
    // Shadow just inside them.
    EXPECT_EQ(PixelAt(image, 20, 4), Shadow());
    EXPECT_EQ(PixelAt(image, 20, 12), Shadow());
    EXPECT_EQ(PixelAt(image, 4, 12), Shadow());
    // The inside is face, and a plain button has no focus frame.
    EXPECT_EQ(PixelAt(image, 4, 4), kFace);
    EXPECT_EQ(PixelAt(image, 6, 6), kFace);
    EXPECT_EQ(PixelAt(image, 19, 11), kFace);
}

TEST(DrawButtonFace, SunkenFaceSwapsTheEdges) {
    const wxImage image = RenderButton(0, true);
    EXPECT_EQ(PixelAt(image, 3, 3), Shadow());
    EXPECT_EQ(PixelAt(image, 3, 12), Shadow());
    EXPECT_EQ(PixelAt(image, 4, 4), DarkShadow());
    EXPECT_EQ(PixelAt(image, 20, 4), DarkShadow());
    EXPECT_EQ(PixelAt(image, 4, 12), DarkShadow());
    EXPECT_EQ(PixelAt(image, 21, 3), Highlight());
    EXPECT_EQ(PixelAt(image, 21, 13), Highlight());
    EXPECT_EQ(PixelAt(image, 4, 13), Highlight());
    EXPECT_EQ(PixelAt(image, 3, 13), kFace);
    EXPECT_EQ(PixelAt(image, 5, 5), kFace);
}

TEST(DrawButtonFace, FocusFrameOnlyWhenFocusIsTheWholeState) {
    const wxImage focused = RenderButton(kItemStateFocus, false);
    for (const wxPoint corner : {wxPoint(6, 6), wxPoint(18, 6), wxPoint(18, 10), wxPoint(6, 10)}) {
        EXPECT_EQ(PixelAt(focused, corner.x, corner.y), Shadow()) << corner.x << "," << corner.y;
    }
    EXPECT_EQ(PixelAt(focused, 12, 6), Shadow());
    EXPECT_EQ(PixelAt(focused, 6, 8), Shadow());
    EXPECT_EQ(PixelAt(focused, 7, 7), kFace);
    EXPECT_EQ(PixelAt(focused, 5, 5), kFace);

    const wxImage focusedAndSelected = RenderButton(kItemStateFocus | kItemStateSelected, false);
    EXPECT_EQ(PixelAt(focusedAndSelected, 6, 6), kFace);
    EXPECT_EQ(PixelAt(focusedAndSelected, 18, 10), kFace);
}

TEST(DrawButtonFace, RestoresThePenAndBrush) {
    Render(24, 16, kBackdrop, [](wxDC& dc) {
        dc.SetPen(wxPen(*wxRED, 3));
        dc.SetBrush(*wxBLUE_BRUSH);
        DrawButtonFace(ButtonFace{&dc, 0, 0, 20, 12, kItemStateFocus, true, kFace});
        EXPECT_EQ(dc.GetPen().GetColour(), *wxRED);
        EXPECT_EQ(dc.GetPen().GetWidth(), 3);
        EXPECT_EQ(dc.GetBrush().GetColour(), *wxBLUE);
    });
}

TEST(DrawTransparentBitmap, KeyColourLetsTheBackgroundThroughAndNothingElse) {
    const wxColour blue(0, 0, 255);
    const wxColour nearBlue(0, 0, 254);
    const wxColour red(255, 0, 0);
    const wxBitmap bitmap = BitmapFromRows({{blue, red, blue}, {nearBlue, *wxBLACK, *wxWHITE}});
    const wxImage before = bitmap.ConvertToImage();
    const wxImage image = Render(6, 5, *wxGREEN, [&](wxDC& dc) {
        EXPECT_TRUE(DrawTransparentBitmap(dc, bitmap, 2, 1, blue));
    });
    EXPECT_EQ(PixelAt(image, 2, 1), *wxGREEN);
    EXPECT_EQ(PixelAt(image, 3, 1), red);
    EXPECT_EQ(PixelAt(image, 4, 1), *wxGREEN);
    EXPECT_EQ(PixelAt(image, 2, 2), nearBlue);
    EXPECT_EQ(PixelAt(image, 3, 2), *wxBLACK);
    EXPECT_EQ(PixelAt(image, 4, 2), *wxWHITE);
    EXPECT_EQ(PixelAt(image, 1, 1), *wxGREEN);
    EXPECT_EQ(PixelAt(image, 5, 3), *wxGREEN);
    // The bitmap itself is left as it was.
    const wxImage after = bitmap.ConvertToImage();
    EXPECT_EQ(0, memcmp(before.GetData(), after.GetData(), 6 * 3));
    EXPECT_FALSE(after.HasMask());
}

TEST(DrawTransparentBitmap, WithoutTheKeyColourTheBitmapIsOpaque) {
    const wxColour red(255, 0, 0);
    const wxBitmap bitmap = BitmapFromRows({{red, red}, {red, *wxWHITE}});
    const wxImage image = Render(4, 4, *wxGREEN, [&](wxDC& dc) {
        DrawTransparentBitmap(dc, bitmap, 1, 1, wxColour(0, 0, 255));
    });
    EXPECT_EQ(PixelAt(image, 1, 1), red);
    EXPECT_EQ(PixelAt(image, 2, 1), red);
    EXPECT_EQ(PixelAt(image, 1, 2), red);
    EXPECT_EQ(PixelAt(image, 2, 2), *wxWHITE);
}

TEST(DrawTransparentBitmap, BitmapForADoubleScaleDisplayCoversHalfItsPixels) {
    wxImage red(4, 4);
    red.SetRGB(wxRect(0, 0, 4, 4), 255, 0, 0);
    red.SetRGB(0, 0, 0, 0, 255);
    const wxBitmap doubled(red, -1, 2.0);
    const wxImage image = Render(6, 6, *wxGREEN, [&](wxDC& dc) {
        EXPECT_TRUE(DrawTransparentBitmap(dc, doubled, 1, 1, wxColour(0, 0, 255)));
    });
    EXPECT_EQ(PixelAt(image, 2, 2), wxColour(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 3, 3), *wxGREEN);
    EXPECT_EQ(PixelAt(image, 4, 4), *wxGREEN);
}

TEST(DrawTransparentBitmap, RefusesAnUnusableBitmap) {
    Render(4, 4, *wxGREEN,
           [](wxDC& dc) { EXPECT_FALSE(DrawTransparentBitmap(dc, wxBitmap(), 0, 0, *wxBLUE)); });
}

TEST(DrawTransparentBitmap, CopyAllFaceOnAButtonShowsNoBlue) {
    const wxBitmap face = LoadResourceBitmap(142);
    ASSERT_TRUE(face.IsOk());
    // Centred on a 168 x 38 button as the main window draws it.
    const wxImage image = Render(168, 38, kFace, [&](wxDC& dc) {
        DrawButtonFace(ButtonFace{&dc, 0, 0, 168, 38, 0, false, kFace});
        DrawTransparentBitmap(dc, face, 168 / 2 - face.GetWidth() / 2,
                              38 / 2 - face.GetHeight() / 2, wxColour(0, 0, 255));
    });
    int black = 0;
    int red = 0;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            const wxColour pixel = PixelAt(image, x, y);
            ASSERT_NE(pixel, wxColour(0, 0, 255)) << x << "," << y;
            black += pixel == *wxBLACK;
            red += pixel == wxColour(255, 0, 0);
        }
    }
    EXPECT_GT(black, 100) << "the two lines of text";
    EXPECT_GT(red, 100) << "the arrow";
}

TEST(MulDiv, RoundsHalfAwayFromZeroAndReportsFailure) {
    EXPECT_EQ(MulDiv(10, 96, 72), 13);
    EXPECT_EQ(MulDiv(12, 96, 72), 16);
    EXPECT_EQ(MulDiv(8, 96, 72), 11);
    EXPECT_EQ(MulDiv(9, 4, 8), 5);
    EXPECT_EQ(MulDiv(-9, 4, 8), -5);
    EXPECT_EQ(MulDiv(9, 4, -8), -5);
    EXPECT_EQ(MulDiv(7, 4, 8), 4);
    EXPECT_EQ(MulDiv(INT_MAX, 4, 2), -1);
    EXPECT_EQ(MulDiv(INT_MAX, 4, 4), INT_MAX);
    EXPECT_EQ(MulDiv(1, 2, 0), -1);
}

TEST(MakeLogFont, DescribesTheProgramsBoldArial) {
    wxFrame frame(nullptr, wxID_ANY, "fonts");
    LOGFONTA font;
    font.lfWidth = 99;
    MakeLogFont(font, 12, "Arial", 0, true, false, false, false, &frame);
    EXPECT_EQ(font.lfHeight, -MulDiv(12, frame.GetDPI().y, 72));
    EXPECT_EQ(font.lfWidth, 0) << "every field is filled anew";
    EXPECT_EQ(font.lfWeight, 700);
    EXPECT_EQ(font.lfClipPrecision, 0x10);
    EXPECT_EQ(font.lfPitchAndFamily, 0x20);
    EXPECT_EQ(font.lfFaceName, "Arial");

    MakeLogFont(font, 10, std::string(40, 'F'), 900, false, true, true, true, nullptr);
    EXPECT_EQ(font.lfFaceName, std::string(31, 'F'));
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_EQ(font.lfEscapement, 900);
    EXPECT_EQ(font.lfItalic + font.lfUnderline + font.lfStrikeOut, 3);
}

TEST(CreateFontFromLogFont, MakesTheFontTheDescriptionAsksFor) {
    wxFrame frame(nullptr, wxID_ANY, "fonts");
    LOGFONTA description;
    MakeLogFont(description, 12, "Arial", 0, true, false, true, false, &frame);
    const wxFont font = CreateFontFromLogFont(description, &frame);
    ASSERT_TRUE(font.IsOk());
    EXPECT_EQ(font.GetNumericWeight(), 700);
    EXPECT_TRUE(font.GetUnderlined());
    EXPECT_EQ(font.GetFaceName(), "Arial");
    // A negative height is the character height: the font has its points.
    EXPECT_NEAR(font.GetFractionalPointSize(), 12.0, 0.3);
}

TEST(CreateFontFromLogFont, PositiveHeightIsTheLineHeight) {
    wxFrame frame(nullptr, wxID_ANY, "fonts");
    LOGFONTA description;
    MakeLogFont(description, 12, "Arial", 0, false, false, false, false, &frame);
    description.lfHeight = -description.lfHeight;
    const wxFont cell = CreateFontFromLogFont(description, &frame);
    int width = 0;
    int lineHeight = 0;
    frame.GetTextExtent("Xg", &width, &lineHeight, nullptr, nullptr, &cell);
    EXPECT_LE(lineHeight * frame.GetContentScaleFactor(), description.lfHeight);
    EXPECT_LT(cell.GetFractionalPointSize(), 12.0);
}
