#include "CZrToolTipCtrl.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/display.h>

#include "GuiTestSupport.h"
#include "TipPlacement.h"

namespace {

// A tooltip window whose pointer the test places, and whose timers the test
// fires instead of waiting for them.
class TestableToolTip : public CZrToolTipCtrl {
  public:
    wxPoint m_pointer;

    void FireInitialDelay() { Fire(m_initialTimer); }
    void FirePoll() { Fire(m_pollTimer); }
    const wxTimer& InitialTimer() const { return m_initialTimer; }
    const wxTimer& PollTimer() const { return m_pollTimer; }
    bool Hidden() const { return m_bHidden; }
    int MaxWidthOf(size_t tool) const { return m_tools.at(tool)->maxWidth; }
    void SetColoursForNewTools(const wxColour& text, const wxColour& back) {
        m_clrText = text;
        m_clrBack = back;
    }
    wxImage Render() {
        return RenderClient(*this, [this](wxDC& dc) { Draw(dc); });
    }

  protected:
    wxPoint GetPointerPosition() const override { return m_pointer; }

  private:
    void Fire(wxTimer& timer) {
        wxTimerEvent event(timer);
        ProcessWindowEvent(event);
    }
};

// The About box's arrangement: a dialog with the Check For Updates button
// and another button, each a tool of the tooltip window.
class ToolTipTest : public ::testing::Test {
  protected:
    ToolTipTest()
        : m_frame(wxPoint(40, 40), wxSize(420, 240)),
          m_updates(new wxButton(m_frame.Get(), 1040, "Check For Updates", wxPoint(200, 70),
                                 wxSize(150, 34))),
          m_other(new wxButton(m_frame.Get(), wxID_ANY, "Other", wxPoint(20, 20), wxSize(80, 30))) {
        YieldUntil([this] { return m_updates->IsShownOnScreen(); });
        m_tip.Create(m_frame.Get());
    }

    wxPoint CentreOf(wxWindow* window) const {
        return window->GetScreenRect().GetPosition() + window->GetSize() / 2;
    }

    // Moves the pointer and lets the window under it report the movement.
    void MovePointerTo(wxWindow* window, const wxPoint& screen) {
        m_tip.m_pointer = screen;
        wxMouseEvent motion(wxEVT_MOTION);
        motion.SetPosition(window->ScreenToClient(screen));
        motion.SetEventObject(window);
        window->GetEventHandler()->ProcessEvent(motion);
    }

    void Send(wxWindow* window, wxEvent&& event) {
        event.SetEventObject(window);
        window->GetEventHandler()->ProcessEvent(event);
    }

    void ShowTipOver(wxWindow* tool) {
        MovePointerTo(tool, CentreOf(tool));
        m_tip.FireInitialDelay();
        ASSERT_TRUE(m_tip.IsShown());
    }

    ShownFrame m_frame;
    wxButton* m_updates;
    wxButton* m_other;
    TestableToolTip m_tip;
};

}  // namespace

TEST_F(ToolTipTest, AboutBoxTipComesAfterHalfASecondBesideThePointerAndGoesAfterTwenty) {
    m_tip.SetOffset(20, 0);
    m_tip.SetDelayTime(CZrToolTipCtrl::TTDT_AUTOPOP, 20000);
    ASSERT_TRUE(m_tip.AddTool(m_updates, "Check For Updates", nullptr, 1040));

    const wxPoint pointer = CentreOf(m_updates);
    MovePointerTo(m_updates, pointer);
    EXPECT_FALSE(m_tip.IsShown());
    ASSERT_TRUE(m_tip.InitialTimer().IsRunning());
    EXPECT_EQ(m_tip.InitialTimer().GetInterval(), 500);

    m_tip.FireInitialDelay();
    ASSERT_TRUE(m_tip.IsShown());
    EXPECT_EQ(m_tip.GetScreenPosition(), pointer + wxPoint(20, 0));
    EXPECT_FALSE(m_tip.InitialTimer().IsRunning());
    ASSERT_TRUE(m_tip.PollTimer().IsRunning());
    EXPECT_EQ(m_tip.PollTimer().GetInterval(), 500);

    for (int poll = 1; poll < 40; ++poll) {
        m_tip.FirePoll();
        ASSERT_TRUE(m_tip.IsShown()) << "after " << poll * 500 << " ms";
    }
    m_tip.FirePoll();
    EXPECT_FALSE(m_tip.IsShown()) << "after 20000 ms";
    EXPECT_FALSE(m_tip.PollTimer().IsRunning());
}

TEST_F(ToolTipTest, TipWaitsUntilThePointerRestsOnATool) {
    m_tip.AddTool(m_updates, "Check For Updates", nullptr, 1040);
    MovePointerTo(m_frame.Get(), m_frame->GetScreenPosition() + wxPoint(380, 200));
    EXPECT_FALSE(m_tip.InitialTimer().IsRunning()) << "no tool there";
    MovePointerTo(m_updates, CentreOf(m_updates));
    ASSERT_TRUE(m_tip.InitialTimer().IsRunning());
    // The pointer left before the delay ran out: no tip.
    m_tip.m_pointer = m_other->GetScreenPosition();
    m_tip.FireInitialDelay();
    EXPECT_FALSE(m_tip.IsShown());
}

TEST_F(ToolTipTest, KeyPressHidesTheTipUntilThePointerReachesAnotherTool) {
    m_tip.AddTool(m_updates, "Check For Updates", nullptr, 1040);
    m_tip.AddTool(m_other, "Another tool", nullptr, 1);
    ShowTipOver(m_updates);

    Send(m_updates, wxKeyEvent(wxEVT_KEY_DOWN));
    EXPECT_FALSE(m_tip.IsShown());
    EXPECT_TRUE(m_tip.Hidden());
    MovePointerTo(m_updates, CentreOf(m_updates) + wxPoint(3, 1));
    EXPECT_FALSE(m_tip.InitialTimer().IsRunning()) << "the same tool schedules nothing";
    m_tip.FirePoll();
    EXPECT_FALSE(m_tip.IsShown());
    EXPECT_FALSE(m_tip.PollTimer().IsRunning());

    MovePointerTo(m_other, CentreOf(m_other));
    EXPECT_FALSE(m_tip.Hidden());
    ASSERT_TRUE(m_tip.InitialTimer().IsRunning());
    m_tip.FireInitialDelay();
    EXPECT_TRUE(m_tip.IsShown());
}

TEST_F(ToolTipTest, ClicksHideTheTipExceptALeftPressOnTheTip) {
    m_tip.AddTool(m_updates, "Check For Updates", nullptr, 1040);
    ShowTipOver(m_updates);
    m_tip.m_pointer = m_tip.GetScreenRect().GetPosition() + wxPoint(2, 2);
    Send(m_updates, wxMouseEvent(wxEVT_LEFT_DOWN));
    EXPECT_TRUE(m_tip.IsShown());
    m_tip.m_pointer = CentreOf(m_updates);
    Send(m_updates, wxMouseEvent(wxEVT_LEFT_DOWN));
    EXPECT_FALSE(m_tip.IsShown());
    EXPECT_TRUE(m_tip.Hidden());
}

TEST_F(ToolTipTest, TipGoesWhenThePointerLeavesTheTool) {
    m_tip.AddTool(m_updates, "Check For Updates", nullptr, 1040);
    ShowTipOver(m_updates);
    MovePointerTo(m_frame.Get(), m_frame->GetScreenPosition() + wxPoint(380, 200));
    EXPECT_TRUE(m_tip.IsShown()) << "until the next poll";
    m_tip.FirePoll();
    EXPECT_FALSE(m_tip.IsShown());
}

TEST_F(ToolTipTest, ToolRectangleLimitsTheToolToPartOfTheControl) {
    const wxRect leftHalf(0, 0, 75, 34);
    m_tip.AddTool(m_updates, "left half only", &leftHalf, 1040);
    MovePointerTo(m_updates, m_updates->GetScreenPosition() + wxPoint(120, 10));
    EXPECT_FALSE(m_tip.InitialTimer().IsRunning());
    MovePointerTo(m_updates, m_updates->GetScreenPosition() + wxPoint(30, 10));
    EXPECT_TRUE(m_tip.InitialTimer().IsRunning());
}

TEST_F(ToolTipTest, TipNearTheBottomOfTheScreenIsShownAboveTheTool) {
    const wxRect screen = wxDisplay(0u).GetGeometry();
    m_frame->Move(screen.x + 10, screen.GetBottom() - 120);
    YieldUntil([&] { return m_frame->GetScreenPosition().y > screen.GetBottom() - 140; });
    m_tip.AddTool(m_updates, "Check For Updates", nullptr, 1040);
    const int toolTop = m_updates->GetScreenRect().GetTop();
    ASSERT_GT(CentreOf(m_updates).y + 20 + 10, screen.GetBottom() - 20);
    ShowTipOver(m_updates);
    EXPECT_EQ(m_tip.GetScreenRect().GetBottom() + 1, toolTop);
}

TEST_F(ToolTipTest, MaximumWidthWrapsTheTextAndPassesToToolsThatHadThePreviousWidth) {
    m_tip.AddTool(m_updates, "first", nullptr, 1);
    EXPECT_EQ(m_tip.SetMaxWidth(60), 0);
    m_tip.AddTool(m_other, "a text of several words that cannot fit in sixty pixels", nullptr, 2);
    EXPECT_EQ(m_tip.MaxWidthOf(0), 60);
    EXPECT_EQ(m_tip.SetMaxWidth(80), 60);
    EXPECT_EQ(m_tip.MaxWidthOf(0), 80);
    EXPECT_EQ(m_tip.MaxWidthOf(1), 80);

    ShowTipOver(m_other);
    EXPECT_LE(m_tip.GetSize().x, 80 + 5);
    EXPECT_GT(m_tip.GetSize().y, 3 * m_tip.GetCharHeight());
}

TEST_F(ToolTipTest, TipIsDrawnWithABlackBorderInTheToolsColours) {
    const wxColour back(255, 255, 225);
    m_tip.SetColoursForNewTools(wxColour(0, 0, 128), back);
    m_tip.AddTool(m_updates, "Check For Updates", nullptr, 1040);
    ShowTipOver(m_updates);
    const wxImage image = m_tip.Render();
    const int right = image.GetWidth() - 1;
    const int bottom = image.GetHeight() - 1;
    for (const wxPoint edge : {wxPoint(0, 0), wxPoint(right, 0), wxPoint(0, bottom),
                               wxPoint(right, bottom), wxPoint(right / 2, 0)}) {
        EXPECT_EQ(PixelAt(image, edge.x, edge.y), *wxBLACK) << edge.x << "," << edge.y;
    }
    EXPECT_EQ(PixelAt(image, 1, 1), back);
    EXPECT_EQ(PixelAt(image, right - 1, bottom - 1), back);
    int text = 0;
    for (int y = 1; y < bottom; ++y) {
        for (int x = 1; x < right; ++x) {
            text += PixelAt(image, x, y) == wxColour(0, 0, 128);
        }
    }
    EXPECT_GT(text, 20);
}

TEST(PlaceTipOnMonitor, KeepsTheTipOnTheMonitor) {
    const wxRect monitor(0, 0, 640, 480);
    EXPECT_EQ(PlaceTipOnMonitor(wxRect(100, 100, 50, 20), monitor, 90), wxRect(100, 100, 50, 20));
    EXPECT_EQ(PlaceTipOnMonitor(wxRect(620, 100, 50, 20), monitor, 90), wxRect(590, 100, 50, 20));
    EXPECT_EQ(PlaceTipOnMonitor(wxRect(-8, 100, 50, 20), monitor, 90), wxRect(0, 100, 50, 20));
    EXPECT_EQ(PlaceTipOnMonitor(wxRect(100, 470, 50, 20), monitor, 440), wxRect(100, 420, 50, 20));
    EXPECT_EQ(PlaceTipOnMonitor(wxRect(100, 460, 50, 20), monitor, 440), wxRect(100, 460, 50, 20))
        << "ending exactly at the bottom edge";
    const wxRect second(640, 0, 800, 600);
    EXPECT_EQ(PlaceTipOnMonitor(wxRect(1420, 10, 50, 20), second, 0), wxRect(1390, 10, 50, 20));
}
