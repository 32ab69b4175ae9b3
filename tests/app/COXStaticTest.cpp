#include "COXStatic.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>

#include "GuiTestSupport.h"
#include "MakeLogFont.h"
#include "TextWrap.h"

namespace {

class TestableStatic : public COXStatic {
  public:
    using COXStatic::COXStatic;
    wxImage Render() {
        return RenderClient(*this, [this](wxDC& dc) { Draw(dc); });
    }
};

const wxColour kLightGreen(192, 255, 192);

// The smallest rectangle holding every pixel that is not `ground`.
wxRect InkBounds(const wxImage& image, const wxColour& ground) {
    wxRect bounds;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            if (PixelAt(image, x, y) != ground) {
                bounds.Union(wxRect(x, y, 1, 1));
            }
        }
    }
    return bounds;
}

wxImage RenderLabel(wxWindow* parent, const wxString& label, long style, const wxSize& size) {
    TestableStatic text(parent, wxID_ANY, label, wxPoint(0, 0), size, style);
    text.SetBkColor(kLightGreen, false);
    text.SetTextColor(*wxBLACK, false);
    return text.Render();
}

}  // namespace

TEST(COXStatic, TipShowsItsOwnTextAndFollowsIt) {
    ShownFrame frame;
    COXStatic label(frame.Get(), wxID_ANY, "Left Folder");
    EXPECT_EQ(label.GetToolTipText(), "") << "no tip until it is enabled";
    label.EnableToolTip(true);
    EXPECT_EQ(label.GetToolTipText(), "Left Folder");
    label.SetLabel("/data/left/");
    EXPECT_EQ(label.GetToolTipText(), "/data/left/");
    EXPECT_EQ(label.GetLabel(), "/data/left/");
}

TEST(COXStatic, ExplicitTipWinsUntilItIsEmptiedAgain) {
    ShownFrame frame;
    COXStatic label(frame.Get(), wxID_ANY, "Vantrel");
    label.SetToolTipText("Visit the Tarnwick web site");
    EXPECT_EQ(label.GetToolTipText(), "") << "set but not enabled";
    label.EnableToolTip(true);
    EXPECT_EQ(label.GetToolTipText(), "Visit the Tarnwick web site");
    label.SetLabel("Other");
    EXPECT_EQ(label.GetToolTipText(), "Visit the Tarnwick web site");
    label.SetToolTipText("");
    EXPECT_EQ(label.GetToolTipText(), "Other");
    label.EnableToolTip(false);
    EXPECT_EQ(label.GetToolTipText(), "");
}

TEST(COXStatic, PaintsItsOwnBackgroundAndTextColour) {
    ShownFrame frame;
    TestableStatic label(frame.Get(), wxID_ANY, "Compare", wxPoint(0, 0), wxSize(120, 30));
    label.SetBkColor(kLightGreen);
    label.SetTextColor(wxColour(0, 0, 255));
    LOGFONTA bold;
    MakeLogFont(bold, 12, "Arial", 0, true, false, false, false, nullptr);
    ASSERT_TRUE(label.SetTextLogFont(bold));
    EXPECT_EQ(label.GetFont().GetNumericWeight(), 700);
    const wxImage image = label.Render();
    EXPECT_EQ(PixelAt(image, 0, 0), kLightGreen);
    EXPECT_EQ(PixelAt(image, 119, 29), kLightGreen);
    bool blueText = false;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            blueText = blueText || PixelAt(image, x, y) == wxColour(0, 0, 255);
        }
    }
    EXPECT_TRUE(blueText);
}

TEST(COXStatic, WithoutABackgroundColourTheParentsShows) {
    ShownFrame frame;
    frame->SetBackgroundColour(wxColour(255, 0, 0));
    TestableStatic label(frame.Get(), wxID_ANY, "x", wxPoint(0, 0), wxSize(40, 20));
    label.SetBkColor(wxNullColour);
    EXPECT_EQ(PixelAt(label.Render(), 39, 19), wxColour(255, 0, 0));
}

TEST(COXStatic, AlignsTextAsItsStyleSays) {
    ShownFrame frame;
    const wxSize size(160, 24);
    const wxRect left =
        InkBounds(RenderLabel(frame.Get(), "Folders SAME", wxALIGN_LEFT, size), kLightGreen);
    const wxRect right =
        InkBounds(RenderLabel(frame.Get(), "Folders SAME", wxALIGN_RIGHT, size), kLightGreen);
    const wxRect centre = InkBounds(
        RenderLabel(frame.Get(), "Folders SAME", wxALIGN_CENTRE_HORIZONTAL, size), kLightGreen);
    ASSERT_FALSE(left.IsEmpty());
    EXPECT_LE(left.GetLeft(), 2);
    EXPECT_GE(right.GetRight(), size.x - 3);
    const int leftGap = centre.GetLeft();
    const int rightGap = size.x - 1 - centre.GetRight();
    EXPECT_NEAR(leftGap, rightGap, 2);
    EXPECT_GT(leftGap, 10);
}

TEST(COXStatic, WrapsLongTextBetweenWords) {
    ShownFrame frame;
    const wxRect oneLine =
        InkBounds(RenderLabel(frame.Get(), "Compare", wxALIGN_CENTRE_HORIZONTAL, wxSize(90, 60)),
                  kLightGreen);
    const wxRect wrapped = InkBounds(RenderLabel(frame.Get(), "Compare Again Due To Changes",
                                                 wxALIGN_CENTRE_HORIZONTAL, wxSize(90, 60)),
                                     kLightGreen);
    EXPECT_LE(wrapped.GetRight(), 89);
    EXPECT_GT(wrapped.GetHeight(), 2 * oneLine.GetHeight());
}

TEST(WrapText, BreaksAtNewLinesAndBetweenWordsThatDoNotFit) {
    wxBitmap scratch(1, 1);
    wxMemoryDC dc(scratch);
    const int twoWords = dc.GetTextExtent("one two").x;
    using Lines = std::vector<wxString>;
    EXPECT_EQ(WrapText(dc, "one two three", twoWords), (Lines{"one two", "three"}));
    EXPECT_EQ(WrapText(dc, "one two three", 0), (Lines{"one two three"}));
    EXPECT_EQ(WrapText(dc, "one\ntwo", 0), (Lines{"one", "two"}));
    EXPECT_EQ(WrapText(dc, "one\r\n\ntwo", 1000), (Lines{"one", "", "two"}));
    EXPECT_EQ(WrapText(dc, "a unbreakablewordthatisverylong b", 30),
              (Lines{"a", "unbreakablewordthatisverylong", "b"}));
    EXPECT_EQ(WrapText(dc, "", 50), (Lines{""}));
}
