#pragma once

#include <gtest/gtest.h>
#include <wx/weakref.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "CCompareDlg.h"
#include "CProfile.h"
#include "CResultGrid.h"
#include "GuiTest.h"
#include "MessageBox.h"
#include "TempTree.h"

// The main window opened on two fresh folders, "left" and "right", with its
// settings in a file of its own.

inline std::vector<std::string> FileLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Answers every message box with `answer`, keeping the texts shown.
class AnsweredMessages {
  public:
    explicit AnsweredMessages(int answer) {
        SetMessageBoxAnswerer([this, answer](const wxString& text, long) {
            texts.push_back(std::string(text.utf8_str()));
            return answer;
        });
    }
    ~AnsweredMessages() { SetMessageBoxAnswerer({}); }

    std::vector<std::string> texts;
};

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_left = m_tree.MakeDir("left") + "/";
        m_right = m_tree.MakeDir("right") + "/";
    }

    void TearDown() override {
        if (m_window) {
            m_window->Destroy();
        }
        YieldUntil([this] { return !m_window; });
    }

    CCompareDlg& Open() {
        auto* window = new CCompareDlg(m_profile);
        m_window = window;
        m_pOpened = window;
        window->Show();
        return *window;
    }

    // Opens the window showing the two test folders.
    CCompareDlg& OpenOnTestFolders(bool disregardAttributes = false) {
        CCompareDlg& window = Open();
        window.m_strLeftFolder = m_left;
        window.m_strRightFolder = m_right;
        window.m_bDisregardAttributes = disregardAttributes;
        window.UpdateData(false);
        return window;
    }

    // Opens the window on the two test folders and runs one compare.
    CCompareDlg& Compare(bool disregardAttributes = false) {
        CCompareDlg& window = OpenOnTestFolders(disregardAttributes);
        window.OnCompare();
        return window;
    }

    template <typename Control>
    Control& Find(int id) const {
        auto* control = dynamic_cast<Control*>(m_window->FindWindow(id));
        EXPECT_NE(control, nullptr) << "control " << id;
        return *control;
    }

    bool Shown(int id) const { return m_window->FindWindow(id)->IsShown(); }

    std::string Cell(CResultGrid& grid, int column, int row) {
        return grid.GetCellText(column, row).value_or("");
    }

    // Runs `action` at the first idle time after the run has filled in its
    // row count, that is inside the row-filling loop.
    void DuringRowFilling(const std::function<void()>& action) {
        m_window->Bind(wxEVT_IDLE, [this, action, done = false](wxIdleEvent& event) mutable {
            event.Skip();
            if (!done && m_window && m_pOpened->IsRunning() &&
                m_pOpened->LeftGrid().GetRowCount() > 0) {
                done = true;
                action();
            }
        });
    }

    TempTree m_tree;
    std::string m_left;
    std::string m_right;
    CProfile m_profile{m_tree.Path("settings/Vantrel.INI")};
    wxWeakRef<wxFrame> m_window;       // empty once the window is gone
    CCompareDlg* m_pOpened = nullptr;  // the same window, while m_window holds it
};
