#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/display.h>
#include <wx/settings.h>

#include "CCompareDlg.h"
#include "CCopyAllButton.h"
#include "COXStatic.h"
#include "GuiTest.h"
#include "GuiTestSupport.h"
#include "MainWindowFixture.h"
#include "ResourceImages.h"

// The main window on a display scaled to double size (this program runs
// with GDK_SCALE=2), where the test display is smaller than the window's
// designed size.

namespace {

class DoubleScaleWindowTest : public MainWindowTest {
  protected:
    void SetUp() override {
        ASSERT_EQ(wxDisplay(0u).GetScaleFactor(), 2.0) << "run with GDK_SCALE=2, as ctest does";
        MainWindowTest::SetUp();
    }
};

TEST_F(DoubleScaleWindowTest, WindowFitsTheDisplayAndCanShrinkToIt) {
    CCompareDlg& window = Open();
    const wxRect area = wxDisplay(0u).GetClientArea();
    EXPECT_TRUE(area.Contains(window.GetRect()))
        << testing::PrintToString(window.GetRect()) << " on " << testing::PrintToString(area);
    EXPECT_LE(window.GetMinSize().x, area.width);
    EXPECT_LE(window.GetMinSize().y, area.height);
}

TEST_F(DoubleScaleWindowTest, LabelsAreTwelvePointsAndClearOfTheButtons) {
    CCompareDlg& window = Open();
    const wxFont reference(wxFontInfo(12).FaceName("Liberation Sans").Bold());
    wxSize expected;
    window.GetTextExtent("Left Folder", &expected.x, &expected.y, nullptr, nullptr, &reference);
    const COXStatic& label = Find<COXStatic>(CCompareDlg::IDC_LEFT_LABEL);
    const wxSize measured = label.GetTextExtent("Left Folder");
    EXPECT_NEAR(measured.x, expected.x, expected.x * 0.03) << "reference width " << expected.x;
    EXPECT_LE(label.GetPosition().y + measured.y,
              window.FindWindow(CCompareDlg::IDC_COPY_TO_RIGHT)->GetPosition().y);
}

// Paints the button as the screen shows it, one pixel per pixel of the
// display.
class TestableCopyAllButton : public CCopyAllButton {
  public:
    using CCopyAllButton::CCopyAllButton;

    wxImage Render() {
        wxBitmap bitmap;
        bitmap.CreateWithDIPSize(GetClientSize(), GetContentScaleFactor(), 24);
        {
            wxMemoryDC dc(bitmap);
            Draw(dc);
        }
        return bitmap.ConvertToImage();
    }
};

TEST_F(DoubleScaleWindowTest, CopyAllPicturesAreSharp) {
    ShownFrame frame;
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    for (int number : {142, 143}) {
        SCOPED_TRACE(number);
        TestableCopyAllButton button(frame.Get(), wxID_ANY, "Copy All",
                                     LoadResourceBitmapBundle(number), wxPoint(0, 0),
                                     wxSize(168, 38));
        const wxImage image = button.Render();
        ASSERT_EQ(image.GetSize(), wxSize(168, 38) * 2);
        // The picture, 121 x 26, lies centred; doubled sharply it holds its
        // black, red and see-through pixels and no blend of them.
        const wxSize picture(121 * 2, 26 * 2);
        const wxPoint corner((image.GetWidth() - picture.x) / 2,
                             (image.GetHeight() - picture.y) / 2);
        int blended = 0;
        for (int y = corner.y; y < corner.y + picture.y; ++y) {
            for (int x = corner.x; x < corner.x + picture.x; ++x) {
                const wxColour pixel = PixelAt(image, x, y);
                blended += pixel != *wxBLACK && pixel != wxColour(255, 0, 0) && pixel != face;
            }
        }
        EXPECT_EQ(blended, 0);
    }
}

}  // namespace
