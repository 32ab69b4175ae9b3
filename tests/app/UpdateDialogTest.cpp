#include "CUpdateDlg.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <wx/uiaction.h>

#include <filesystem>

#include "GuiTest.h"
#include "HttpsTestServer.h"
#include "MessageBox.h"
#include "ProgramFile.h"
#include "TempTree.h"
#include "ZipWriter.h"

namespace {

constexpr char kServerFolder[] = "/SoftwareUpdates/Vantrel/Ver1/";

// A program folder whose "Vantrel" is at version 1.04, a real HTTPS server
// offering 1.05 of it, and message boxes answered Yes and recorded.
class UpdateDialogTest : public testing::Test {
  protected:
    void SetUp() override {
        setenv("CURL_CA_BUNDLE", m_server.CaBundlePath().c_str(), 1);
        chmod(m_tree.WriteFile("program/Vantrel", "old program").c_str(), 0755);
        std::filesystem::create_directories(m_server.ContentFolder() + kServerFolder);
        SetMessageBoxAnswerer([this](const wxString& text, long style) {
            m_shown.push_back(text.utf8_string());
            return (style & wxYES_NO) != 0 ? wxYES : wxOK;
        });
    }
    void TearDown() override {
        SetMessageBoxAnswerer({});
        unsetenv("CURL_CA_BUNDLE");
    }

    // The new "Vantrel" records the arguments it is started with.
    void OfferNewProgram() {
        const std::string record = m_tree.Path("restarted.args");
        {
            ZipWriter zip(m_server.ContentFolder() + kServerFolder + "archive1.zip");
            zip.File("Vantrel",
                     "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + record +
                         ".part'\n/bin/mv '" + record + ".part' '" + record + "'\n",
                     0755);
        }
        WriteBytes(m_server.ContentFolder() + kServerFolder + "Vantrel_Version.txt",
                   "Vantrel,archive1.zip,1.05\n");
    }

    UpdateSettings Settings(const std::string& server) const {
        UpdateSettings settings;
        settings.serverAddress = server;
        settings.programPath = m_tree.Path("program/Vantrel");
        settings.readFileVersion = [](const std::string&) {
            return std::optional<std::string>("1.04");
        };
        return settings;
    }

    HttpsTestServer m_server;
    TempTree m_tree;
    std::vector<std::string> m_shown;
};

TEST_F(UpdateDialogTest, AnUpdateOfTheProgramRestartsItWithTheSameArgumentsAndClosesTheWindow) {
    OfferNewProgram();
    CUpdateDlg dialog(nullptr, Settings(m_server.BaseUrl()));
    EXPECT_EQ(dialog.GetTitle(), "Checking For Updates");

    EXPECT_EQ(dialog.ShowModal(), wxID_OK);

    ASSERT_EQ(m_shown.size(), 1u) << "only the question, not " << m_shown.back();
    EXPECT_TRUE(m_shown[0].starts_with("There are updates available for the following:"));
    EXPECT_EQ(dialog.GetStatus(), "Installing new update...");
    EXPECT_TRUE(dialog.MainWindowMustClose());
    EXPECT_EQ(m_tree.ReadFile("program/Vantrel v1.04"), "old program");
    ASSERT_TRUE(YieldUntil([this] { return m_tree.Exists("restarted.args"); }));
    std::string expected;
    for (const std::string& argument : ProgramArguments()) {
        expected += argument + "\n";
    }
    EXPECT_EQ(m_tree.ReadFile("restarted.args"), expected);
}

TEST_F(UpdateDialogTest, EscapeBeforeTheCheckStartsClosesTheWindowWithoutACheck) {
    CUpdateDlg dialog(nullptr, Settings(m_server.BaseUrl()));
    dialog.CallAfter([&dialog] {
        dialog.Raise();
        wxUIActionSimulator().Char(WXK_ESCAPE);
    });

    EXPECT_EQ(dialog.ShowModal(), wxID_CANCEL);

    EXPECT_TRUE(m_server.RequestedPaths().empty());
    EXPECT_TRUE(m_shown.empty());
}

TEST_F(UpdateDialogTest, EscapeWhileADownloadStallsEndsTheCheckQuietly) {
    CUpdateDlg dialog(nullptr, Settings(m_server.BaseUrl() + "/stall"));
    bool escaped = false;
    dialog.Bind(wxEVT_IDLE, [&](wxIdleEvent& event) {
        event.Skip();
        if (!escaped && !m_server.RequestedPaths().empty()) {
            escaped = true;
            dialog.Raise();
            wxUIActionSimulator().Char(WXK_ESCAPE);
        }
    });

    EXPECT_EQ(dialog.ShowModal(), wxID_OK);

    EXPECT_TRUE(escaped);
    EXPECT_TRUE(m_shown.empty());
    EXPECT_FALSE(dialog.MainWindowMustClose());
}

}  // namespace
