#include <gtest/gtest.h>
#include <wx/display.h>
#include <wx/statbmp.h>

#include "CCompareDlg.h"
#include "COXStatic.h"
#include "GuiTest.h"
#include "GuiTestSupport.h"
#include "MainWindowFixture.h"

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

TEST_F(DoubleScaleWindowTest, LegendShowsSharpDoubledBitmaps) {
    CCompareDlg& window = Open();
    int legend = 0;
    for (wxWindow* child :
         window.FindWindow(CCompareDlg::IDC_RESULTS_BOX)->GetParent()->GetChildren()) {
        const auto* picture = dynamic_cast<const wxStaticBitmap*>(child);
        if (picture == nullptr) {
            continue;
        }
        ++legend;
        const wxBitmap shown = picture->GetBitmap();
        EXPECT_EQ(shown.GetScaleFactor(), 2.0);
        const wxImage image = shown.ConvertToImage();
        ASSERT_EQ(image.GetSize(), picture->GetSize() * 2);
        for (int y = 0; y < image.GetHeight(); y += 2) {
            for (int x = 0; x < image.GetWidth(); x += 2) {
                const wxColour pixel = PixelAt(image, x, y);
                ASSERT_EQ(PixelAt(image, x + 1, y), pixel) << x << "," << y;
                ASSERT_EQ(PixelAt(image, x, y + 1), pixel) << x << "," << y;
                ASSERT_EQ(PixelAt(image, x + 1, y + 1), pixel) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(legend, 6);
}

}  // namespace
