#include "COXEdit.h"

#include <gtest/gtest.h>
#include <wx/settings.h>
#include <wx/uiaction.h>

#include "GuiTestSupport.h"

namespace {

const wxColour kLightGreen(192, 255, 192);

// Delivers one key to the field as the keyboard would; true when the field
// consumed it, false when it passed it on to the native control.
bool Press(wxWindow& window, wxEventType type, int key, bool shift = false, bool control = false) {
    wxKeyEvent event(type);
    event.m_keyCode = key;
    event.m_uniChar = key < WXK_START ? key : 0;
    event.SetShiftDown(shift);
    event.SetControlDown(control);
    event.SetEventObject(&window);
    return window.GetEventHandler()->ProcessEvent(event);
}

bool Type(wxWindow& window, wxChar character) {
    return Press(window, wxEVT_CHAR, character);
}

}  // namespace

TEST(COXEdit, ColoursFollowTheFieldsState) {
    ShownFrame frame;
    COXEdit edit(frame.Get(), wxID_ANY, "/data/");
    edit.SetBkColor(kLightGreen);
    edit.SetTextColor(*wxBLACK);
    EXPECT_EQ(edit.GetBackgroundColour(), kLightGreen);
    EXPECT_EQ(edit.GetForegroundColour(), *wxBLACK);

    edit.SetEditable(false);
    EXPECT_EQ(edit.GetBackgroundColour(), wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    EXPECT_EQ(edit.GetForegroundColour(), wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
    edit.SetEditable(true);
    EXPECT_EQ(edit.GetBackgroundColour(), kLightGreen);

    edit.Enable(false);
    EXPECT_EQ(edit.GetBackgroundColour(), wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    EXPECT_EQ(edit.GetForegroundColour(), wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
    edit.Enable(true);
    EXPECT_EQ(edit.GetBackgroundColour(), kLightGreen);
    EXPECT_EQ(edit.GetForegroundColour(), *wxBLACK);
}

TEST(COXEdit, TooltipNeedsTheFieldToExist) {
    COXEdit notCreated;
    EXPECT_FALSE(notCreated.SetToolTipText("/data/"));

    ShownFrame frame;
    COXEdit edit(frame.Get(), wxID_ANY);
    EXPECT_TRUE(edit.SetToolTipText("/data/left/"));
    EXPECT_EQ(edit.GetToolTipText(), "/data/left/");
    EXPECT_TRUE(edit.SetToolTipText(""));
    EXPECT_EQ(edit.GetToolTipText(), "");
}

TEST(COXEdit, InsertSwitchesToOverwritingTheCharacterAtTheCaret) {
    ShownFrame frame;
    COXEdit edit(frame.Get(), wxID_ANY, "abc");
    edit.SetInsertionPoint(1);
    EXPECT_FALSE(Type(edit, 'X')) << "inserting is the native field's work";
    EXPECT_EQ(edit.GetValue(), "abc");

    EXPECT_TRUE(Press(edit, wxEVT_KEY_DOWN, WXK_INSERT));
    EXPECT_TRUE(Type(edit, 'X'));
    EXPECT_EQ(edit.GetValue(), "aXc");
    EXPECT_EQ(edit.GetInsertionPoint(), 2);
    EXPECT_TRUE(Type(edit, 'Y'));
    EXPECT_EQ(edit.GetValue(), "aXY");

    // At the end nothing is overwritten and the character is refused.
    EXPECT_TRUE(Type(edit, 'Z'));
    EXPECT_EQ(edit.GetValue(), "aXY");
    EXPECT_EQ(edit.GetInsertionPoint(), 3);

    EXPECT_TRUE(Press(edit, wxEVT_KEY_DOWN, WXK_INSERT));
    edit.SetInsertionPoint(0);
    EXPECT_FALSE(Type(edit, 'Q')) << "back to inserting";
    EXPECT_EQ(edit.GetValue(), "aXY");
}

TEST(COXEdit, ShiftOrCtrlInsertAndSelectionsStayStandard) {
    ShownFrame frame;
    COXEdit edit(frame.Get(), wxID_ANY, "abcd");
    EXPECT_FALSE(Press(edit, wxEVT_KEY_DOWN, WXK_INSERT, true, false)) << "paste";
    EXPECT_FALSE(Press(edit, wxEVT_KEY_DOWN, WXK_INSERT, false, true)) << "copy";
    edit.SetInsertionPoint(0);
    EXPECT_FALSE(Type(edit, 'Q')) << "still inserting";

    EXPECT_TRUE(Press(edit, wxEVT_KEY_DOWN, WXK_INSERT));
    edit.SetSelection(1, 3);
    EXPECT_FALSE(Type(edit, 'Q')) << "a typed character replaces the selection as usual";
    EXPECT_EQ(edit.GetValue(), "abcd");
    edit.SetInsertionPoint(0);
    EXPECT_FALSE(Press(edit, wxEVT_CHAR, 'c', false, true)) << "Ctrl+C is no character to type";
    EXPECT_EQ(edit.GetValue(), "abcd");
}

TEST(COXEdit, OverwritingTakesCharactersTypedWithShift) {
    ShownFrame frame;
    COXEdit edit(frame.Get(), wxID_ANY, "abcd");
    edit.SetFocus();
    ASSERT_TRUE(YieldUntil([&] { return edit.HasFocus(); }));
    edit.SetInsertionPoint(1);
    wxUIActionSimulator keyboard;
    // Without a window manager the keyboard follows the pointer.
    keyboard.MouseMove(edit.GetScreenPosition() + wxPoint(3, 3));
    keyboard.Char(WXK_INSERT);
    keyboard.Char('x', wxMOD_SHIFT);
    keyboard.Char('y');
    ASSERT_TRUE(YieldUntil([&] { return edit.GetInsertionPoint() == 3; }));
    EXPECT_EQ(edit.GetValue(), "aXyd");
}
