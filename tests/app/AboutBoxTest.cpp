#include "CAboutDlg.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/uiaction.h>

#include "COXStatic.h"
#include "COXVersionInfo.h"
#include "CZrHyperLink.h"
#include "FakePrograms.h"
#include "GuiTest.h"
#include "ProductAddresses.h"
#include "ProgramFile.h"
#include "TempTree.h"

namespace {

// The About box of this program (whose version record says 1.00), shown
// without its modal run, with the desktop's xdg-open as a fake.
class AboutBoxTest : public testing::Test {
  protected:
    AboutBoxTest() {
        COXVersionInfo version;
        version.ReadInfo(ProgramFilePath());
        m_pAbout = new CAboutDlg(nullptr, version.m_sFileVersion, [this] {
            ++m_nUpdateChecks;
            return m_bUpdateEndsProgram;
        });
        m_pAbout->Show();
        m_pAbout->Raise();
        YieldUntil([this] { return m_pAbout->IsShownOnScreen(); });
    }
    ~AboutBoxTest() override { m_pAbout->Destroy(); }

    template <typename Control>
    Control& Find(wxWindowID id) const {
        auto* control = dynamic_cast<Control*>(m_pAbout->FindWindow(id));
        EXPECT_NE(control, nullptr) << "control " << id;
        return *control;
    }

    void ClickOn(const wxWindow& control) const {
        wxUIActionSimulator simulator;
        simulator.MouseMove(control.GetScreenRect().GetLeftTop() + wxPoint(4, 4));
        YieldPending();
        simulator.MouseClick();
    }

    TempTree m_tree;
    FakePrograms m_programs{m_tree};
    CAboutDlg* m_pAbout = nullptr;
    int m_nUpdateChecks = 0;
    bool m_bUpdateEndsProgram = false;
};

TEST_F(AboutBoxTest, ShowsNameAndVersionInBoldArialOnBlack) {
    EXPECT_EQ(m_pAbout->GetTitle(), "Vantrel");
    const auto& name = Find<COXStatic>(CAboutDlg::kProductNameId);
    const auto& version = Find<COXStatic>(CAboutDlg::kVersionId);
    EXPECT_EQ(name.GetLabel(), "Vantrel");
    EXPECT_EQ(version.GetLabel(), "Version: 1.00");
    for (const COXStatic* label : {&name, &version}) {
        EXPECT_EQ(label->GetFont().GetNumericWeight(), 700);
        EXPECT_EQ(label->GetFont().GetFaceName(), "Arial");
        EXPECT_EQ(label->GetTextColor(), *wxBLACK);
    }
    EXPECT_GT(name.GetFont().GetPixelSize().y, version.GetFont().GetPixelSize().y)
        << "12 points against 10";
}

TEST_F(AboutBoxTest, LinksShowTheAddressesInBlueAndOpenTheirTargets) {
    const auto& web = Find<CZrHyperLink>(CAboutDlg::kWebLinkId);
    const auto& email = Find<CZrHyperLink>(CAboutDlg::kEmailLinkId);
    EXPECT_EQ(web.GetLabel(), WebSiteAddress());
    EXPECT_EQ(email.GetLabel(), SalesEmailAddress());
    EXPECT_EQ(web.GetToolTipText(), "Visit the Tarnwick web site");
    EXPECT_EQ(email.GetToolTipText(), "Send an e-mail to the Tarnwick team");
    for (const CZrHyperLink* link : {&web, &email}) {
        EXPECT_EQ(link->GetTextColor(), wxColour(0, 0, 255));
    }
    m_programs.Add("xdg-open", m_programs.RecordArguments("xdg-open"));

    ClickOn(email);

    ASSERT_TRUE(YieldUntil([this] { return m_tree.Exists("xdg-open.args"); }));
    EXPECT_EQ(m_tree.ReadFile("xdg-open.args"), "mailto:" + SalesEmailAddress() + "\n");
}

TEST_F(AboutBoxTest, CheckForUpdatesRunsTheCheckAndLeavesTheBoxOpen) {
    auto& check = Find<wxButton>(CAboutDlg::kCheckForUpdatesId);
    EXPECT_EQ(check.GetLabel(), "Check For Updates");

    ClickOn(check);
    ASSERT_TRUE(YieldUntil([this] { return m_nUpdateChecks == 1; }));
    EXPECT_TRUE(m_pAbout->IsShown());
}

TEST_F(AboutBoxTest, AnUpdateThatRestartsTheProgramClosesTheBox) {
    m_bUpdateEndsProgram = true;
    m_pAbout->Hide();
    m_pAbout->CallAfter([this] {
        YieldUntil([this] { return m_pAbout->IsShownOnScreen(); });
        ClickOn(Find<wxButton>(CAboutDlg::kCheckForUpdatesId));
    });

    EXPECT_EQ(m_pAbout->ShowModal(), wxID_OK);
    EXPECT_EQ(m_nUpdateChecks, 1);
}

}  // namespace
