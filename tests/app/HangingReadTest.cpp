// The window stays in the user's hands while a read never returns: Abort
// ends the run and the close box closes the window.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/uiaction.h>

#include "COXStatic.h"
#include "HangingReads.h"
#include "MainWindowFixture.h"

namespace {

class HangingReadTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // Larger than a content batch takes, so the pair is read block by block.
        const std::string content(200000, 'c');
        m_tree.WriteFile("left/big.bin", content);
        m_tree.WriteFile("right/big.bin", content);
    }

    // Runs `action` once, at the first idle time after a read began to hang.
    void OnceTheReadHangs(std::function<void()> action) {
        m_window->Bind(wxEVT_IDLE, [this, action, done = false](wxIdleEvent& event) mutable {
            event.Skip();
            if (!done && m_reads->Hanging()) {
                done = true;
                action();
            }
        });
    }

    std::optional<HangingReads> m_reads{std::in_place};
};

}  // namespace

TEST_F(HangingReadTest, AClickOnAbortEndsTheRunAndTheWindowWorksOn) {
    CCompareDlg& window = OpenOnTestFolders();
    OnceTheReadHangs([this] {
        const wxRect abort = Find<wxButton>(CCompareDlg::IDC_ABORT).GetScreenRect();
        wxUIActionSimulator mouse;
        mouse.MouseMove(abort.GetPosition() + abort.GetSize() / 2);
        mouse.MouseClick();
    });
    window.OnCompare();
    EXPECT_TRUE(m_reads->Hanging()) << "the run waited for the read to end";
    EXPECT_TRUE(Shown(CCompareDlg::IDC_COMPARE));
    EXPECT_FALSE(Shown(CCompareDlg::IDC_ABORT));
    EXPECT_EQ(window.LeftGrid().GetRowCount(), 0);
    EXPECT_EQ(Find<COXStatic>(CCompareDlg::IDC_VERDICT).GetLabel(), "");

    m_reads.reset();
    window.OnCompare();
    EXPECT_EQ(Find<COXStatic>(CCompareDlg::IDC_VERDICT).GetLabel(), "Folders SAME");
}

TEST_F(HangingReadTest, TheCloseBoxClosesTheWindowWhileAReadHangs) {
    CCompareDlg& window = OpenOnTestFolders();
    OnceTheReadHangs([this] { m_window->Close(); });
    window.OnCompare();
    EXPECT_TRUE(m_reads->Hanging());
    EXPECT_TRUE(YieldUntil([this] { return !m_window; }));
}
