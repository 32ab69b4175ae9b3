#include "CProgressMsgDlg.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/evtloop.h>
#include <wx/gauge.h>

#include <cmath>
#include <limits>
#include <memory>

#include "COXStatic.h"
#include "GuiTestSupport.h"

namespace {

class TestableProgressDlg : public CProgressMsgDlg {
  public:
    using CProgressMsgDlg::CProgressMsgDlg;
    wxString MessageShown() const { return m_pMessage->GetLabel(); }
    const std::string& Message() const { return m_strMessage; }
    bool BarShown() const { return m_Progress->IsShown(); }
    int BarPosition() const { return m_Progress->GetValue(); }
    int BarRange() const { return m_Progress->GetRange(); }
    void Click(wxWindowID id) {
        wxCommandEvent click(wxEVT_BUTTON, id);
        click.SetEventObject(FindWindow(id));
        FindWindow(id)->ProcessWindowEvent(click);
    }
    void PressEscape() {
        wxKeyEvent key(wxEVT_CHAR_HOOK);
        key.m_keyCode = WXK_ESCAPE;
        key.SetEventObject(this);
        ProcessWindowEvent(key);
    }
};

class CProgressMsgDlgTest : public testing::Test {
  protected:
    std::unique_ptr<TestableProgressDlg> Open(const char* text) {
        auto dialog = std::make_unique<TestableProgressDlg>(text);
        EXPECT_TRUE(YieldUntil([&] { return dialog->IsShownOnScreen(); }));
        return dialog;
    }
};

TEST_F(CProgressMsgDlgTest, OpensWithItsLayoutAndNoBar) {
    ShownFrame main(wxPoint(40, 40), wxSize(600, 500));
    const auto dialog = Open(nullptr);
    EXPECT_EQ(dialog->GetTitle(), "Vantrel Message");
    EXPECT_EQ(dialog->MessageShown(), "");
    EXPECT_FALSE(dialog->BarShown());
    EXPECT_EQ(dialog->BarRange(), 100);
    EXPECT_EQ(dialog->GetClientSize(), dialog->ConvertDialogToPixels(wxSize(214, 80)));
    const wxWindow* cancel = dialog->FindWindow(wxID_CANCEL);
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->GetLabel(), "Cancel");
    EXPECT_EQ(cancel->GetRect(), wxRect(dialog->ConvertDialogToPixels(wxPoint(81, 59)),
                                        dialog->ConvertDialogToPixels(wxSize(50, 14))));
    const wxPoint centre = dialog->GetScreenRect().GetPosition() + dialog->GetSize() / 2;
    const wxPoint mainCentre = main->GetScreenRect().GetPosition() + main->GetSize() / 2;
    EXPECT_LE(std::abs(centre.x - mainCentre.x), 1);
    EXPECT_LE(std::abs(centre.y - mainCentre.y), 1);
}

TEST_F(CProgressMsgDlgTest, MessagesAreFormattedBytesShownEvenWhenNotUtf8) {
    const auto dialog = Open("Copying...");
    EXPECT_EQ(dialog->MessageShown(), "Copying...");
    dialog->SetMessage("Copying %s (%d of %d)", "/data/caf\xE9 & co", 3, 10);
    EXPECT_EQ(dialog->Message(), "Copying /data/caf\xE9 & co (3 of 10)");
    EXPECT_EQ(dialog->MessageShown(),
              wxString::FromUTF8("Copying /data/caf\xEF\xBF\xBD & co (3 of 10)"));

    const std::string longName(2000, 'x');
    dialog->SetMessage("%s", longName.c_str());
    EXPECT_EQ(dialog->Message(), longName.substr(0, 1023));
}

TEST_F(CProgressMsgDlgTest, ProgressShowsTheBarCutTowardZeroAndHeldInRange) {
    const auto dialog = Open("x");
    dialog->SetProgress(0.5);
    EXPECT_TRUE(dialog->BarShown());
    EXPECT_EQ(dialog->BarPosition(), 0);
    dialog->SetProgress(99.9);
    EXPECT_EQ(dialog->BarPosition(), 99);
    dialog->SetProgress(100.0);
    EXPECT_EQ(dialog->BarPosition(), 100);
    dialog->SetProgress(1e300);
    EXPECT_EQ(dialog->BarPosition(), 100);
    dialog->SetProgress(-5.0);
    EXPECT_EQ(dialog->BarPosition(), 0);
    dialog->SetProgress(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(dialog->BarPosition(), 0);
}

TEST_F(CProgressMsgDlgTest, CancelEscapeAndCloseOnlyMarkItCancelled) {
    const auto dialog = Open("x");
    EXPECT_FALSE(dialog->IsCancelled());
    dialog->Click(wxID_CANCEL);
    EXPECT_TRUE(dialog->IsCancelled());
    EXPECT_TRUE(dialog->IsShown());

    const auto second = Open("y");
    second->PressEscape();
    EXPECT_TRUE(second->IsCancelled());
    const auto third = Open("z");
    third->Close();
    EXPECT_TRUE(third->IsCancelled());
    wxTheApp->SafeYield(nullptr, true);
    EXPECT_TRUE(second->IsShown());
    EXPECT_TRUE(third->IsShown());
    EXPECT_FALSE(third->IsBeingDeleted());
}

TEST_F(CProgressMsgDlgTest, EachUpdateDeliversWaitingEvents) {
    const auto dialog = Open("x");
    int delivered = 0;
    wxTheApp->CallAfter([&] { ++delivered; });
    dialog->SetMessage("step %d", 1);
    EXPECT_EQ(delivered, 1);
    wxTheApp->CallAfter([&] { ++delivered; });
    dialog->SetProgress(50);
    EXPECT_EQ(delivered, 2);
}

}  // namespace
