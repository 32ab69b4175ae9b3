// The main window on a dark desktop theme (this program runs with
// GTK_THEME=Adwaita:dark): what it paints stays legible.

#include <gtest/gtest.h>
#include <wx/settings.h>

#include "CCopyAllButton.h"
#include "COXStatic.h"
#include "OnScreenFixture.h"
#include "ThemePalette.h"

namespace {

class DarkThemeTest : public OnScreenTest {
  protected:
    void SetUp() override {
        ASSERT_LT(RelativeLuminance(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)), 0.18)
            << "run with GTK_THEME=Adwaita:dark, as ctest does";
        MainWindowTest::SetUp();
    }
};

TEST_F(DarkThemeTest, LabelsCopyAllFacesAndGridsKeepTheirContrast) {
    m_tree.WriteFile("left/a.txt", "same");
    m_tree.WriteFile("right/a.txt", "same");
    m_tree.WriteFile("left/b.txt", "only left");
    CCompareDlg& window = ShowOnScreen(Compare());
    const wxColour background =
        window.FindWindow(CCompareDlg::IDC_LEFT_LABEL)->GetParent()->GetBackgroundColour();
    for (const int id : {CCompareDlg::IDC_LEFT_LABEL, CCompareDlg::IDC_RIGHT_LABEL}) {
        EXPECT_GE(ContrastRatio(Find<COXStatic>(id).GetTextColor(), background), 4.5) << id;
    }

    // The face's plate as the display shows it, against the face's black text.
    auto& button = Find<CCopyAllButton>(CCompareDlg::IDC_COPY_TO_RIGHT);
    const wxSize size = button.GetClientSize();
    button.Update();
    const wxImage image = ScreenImage(button, wxRect(size));
    const int y = size.y / 2;
    const wxColour plate(image.GetRed(6, y), image.GetGreen(6, y), image.GetBlue(6, y));
    EXPECT_GE(ContrastRatio(plate, *wxBLACK), 4.5) << plate.GetAsString().utf8_string();

    for (CResultGrid* grid : {&window.LeftGrid(), &window.RightGrid()}) {
        for (int row = 0; row < grid->GetRowCount(); ++row) {
            CGridCell cell;
            grid->GetCell(CResultGrid::kColumnName, row, cell);
            EXPECT_GE(ContrastRatio(cell.GetTextColour(), cell.GetBackColour()), 4.5) << row;
        }
        // Below the last row the area matches the rows, not a white block.
        EXPECT_EQ(ThemePalette::Current().gridArea,
                  wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    }
}

}  // namespace
