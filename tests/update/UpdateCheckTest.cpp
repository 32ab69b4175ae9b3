#include "CUpdateCheck.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "HttpsTestServer.h"
#include "PermissionChecksApply.h"
#include "RecordingUpdateHost.h"
#include "Sha256File.h"
#include "TempTree.h"
#include "ZipWriter.h"

namespace {

using testing::HasSubstr;

constexpr char kServerFolder[] = "SoftwareUpdates/Vantrel/Ver1/";

std::vector<std::string> DownloadsLeftInTemporaryFolder() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(std::getenv("TMPDIR"))) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("WEB") && name.ends_with(".TMP")) {
            names.push_back(name);
        }
    }
    return names;
}

// A program folder holding "Vantrel" at version 1.04, and a real HTTPS
// server that publishes update information and archives.
class UpdateCheckTest : public testing::Test {
  protected:
    void SetUp() override {
        setenv("CURL_CA_BUNDLE", m_server.CaBundlePath().c_str(), 1);
        m_tree.WriteFile("program/Vantrel", "old program");
        m_fileVersions["Vantrel"] = "1.04";
    }

    void TearDown() override {
        unsetenv("CURL_CA_BUNDLE");
        EXPECT_TRUE(DownloadsLeftInTemporaryFolder().empty());
    }

    void Publish(const std::string& manifest) {
        WriteServerFile(std::string(kServerFolder) + "Vantrel_Version.txt", manifest);
    }

    // Publishes a ZIP archive holding `files` (name, content) and gives its
    // SHA-256 digest.
    std::string PublishArchive(const std::string& name,
                               const std::vector<std::pair<std::string, std::string>>& files) {
        const std::string path = ServerPath(std::string(kServerFolder) + name);
        {
            ZipWriter zip(path);
            for (const auto& [file, content] : files) {
                zip.File(file, content, 0755);
            }
        }
        return *Sha256OfFile(path);
    }

    UpdateSettings Settings() {
        UpdateSettings settings;
        settings.serverAddress = m_server.BaseUrl();
        settings.programPath = ProgramFile("Vantrel");
        settings.readFileVersion = [this](const std::string& path) -> std::optional<std::string> {
            const auto found = m_fileVersions.find(std::filesystem::path(path).filename());
            return found != m_fileVersions.end() ? std::optional(found->second) : std::nullopt;
        };
        return settings;
    }

    bool Check(UpdateSettings settings) {
        return CUpdateCheck(m_host, std::move(settings)).CheckForUpdates();
    }
    bool Check() { return Check(Settings()); }

    std::string ProgramFile(const std::string& name) const {
        return m_tree.Path("program/" + name);
    }
    std::string ProgramFileText(const std::string& name) const {
        return m_tree.ReadFile("program/" + name);
    }
    std::vector<std::string> ProgramFolderNames() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_tree.Path("program"))) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    bool WasRequested(const std::string& name) const {
        for (const std::string& path : m_server.RequestedPaths()) {
            if (path.ends_with(name)) {
                return true;
            }
        }
        return false;
    }

    HttpsTestServer m_server;
    TempTree m_tree;
    RecordingUpdateHost m_host;
    std::map<std::string, std::string> m_fileVersions;

    std::string ServerPath(const std::string& relative) const {
        const std::string path = m_server.ContentFolder() + "/" + relative;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        return path;
    }
    void WriteServerFile(const std::string& relative, const std::string& content) {
        WriteBytes(ServerPath(relative), content);
    }
};

TEST_F(UpdateCheckTest, ANewerProgramIsOfferedInstalledWithItsBackupAndRestarted) {
    const std::string digest = PublishArchive("archive1.zip", {{"Vantrel", "new program"}});
    Publish("Vantrel,archive1.zip,1.05," + digest + "\n");
    m_host.answers = {true};

    EXPECT_TRUE(Check());

    ASSERT_EQ(m_host.questions.size(), 1u);
    EXPECT_EQ(m_host.questions[0],
              "There are updates available for the following:\n\nVantrel  Ver.1.05\n\nWould "
              "you like to download and install it?");
    EXPECT_EQ(ProgramFileText("Vantrel"), "new program");
    EXPECT_EQ(ProgramFileText("Vantrel v1.04"), "old program");
    EXPECT_EQ(ProgramFolderNames(), (std::vector<std::string>{"Vantrel", "Vantrel v1.04"}));
    EXPECT_EQ(m_host.statuses,
              (std::vector<std::string>{"Connecting to update server...", "Checking update info...",
                                        "New update is available", "Retrieving update...",
                                        "Installing new update..."}));
    EXPECT_EQ(m_host.mainWindowTitle, "Closing");
    EXPECT_EQ(m_host.startedPrograms, std::vector<std::string>{ProgramFile("Vantrel")});
    EXPECT_TRUE(m_host.mainWindowClosed);
    EXPECT_TRUE(m_host.messages.empty());
    EXPECT_FALSE(m_host.downloadStatuses.empty());
}

TEST_F(UpdateCheckTest, AProgramThatCannotBeStartedAsksTheUserToRestart) {
    PublishArchive("archive1.zip", {{"Vantrel", "new program"}});
    Publish("Vantrel,archive1.zip,1.05");
    m_host.answers = {true};
    m_host.programStarts = false;

    EXPECT_TRUE(Check());

    EXPECT_EQ(m_host.messages, std::vector<std::string>{"Please exit Vantrel and restart it for "
                                                        "the new version to take affect."});
    EXPECT_FALSE(m_host.mainWindowClosed);
}

TEST_F(UpdateCheckTest, WhenTheFirstOfTwoDownloadsFailsYesInstallsOnlyTheSecond) {
    m_tree.WriteFile("program/Vantrel.CHM", "old help");
    m_fileVersions["Vantrel.CHM"] = "1.00";
    PublishArchive("help.zip", {{"Vantrel.CHM", "new help"}});
    Publish("Vantrel,missing.zip,1.05\nVantrel.CHM,help.zip,1.01\n");
    m_host.answers = {true, true};

    EXPECT_TRUE(Check());

    ASSERT_EQ(m_host.questions.size(), 2u);
    EXPECT_THAT(m_host.questions[0], HasSubstr("Vantrel  Ver.1.05\nVantrel.CHM  Ver.1.01\n\n\n"
                                               "Would you like to download and install them?"));
    EXPECT_THAT(m_host.questions[1],
                HasSubstr("ERROR:  Unable to retrieve update for Vantrel.  Would you like to "
                          "continue with the other updates?"));
    EXPECT_THAT(m_host.questions[1], HasSubstr("404"));
    EXPECT_EQ(ProgramFileText("Vantrel"), "old program");
    EXPECT_EQ(ProgramFileText("Vantrel.CHM"), "new help");
    EXPECT_EQ(ProgramFileText("Vantrel v1.00.CHM"), "old help");
    EXPECT_EQ(m_host.messages,
              std::vector<std::string>{"Updates downloaded/installed successfully."});
    EXPECT_TRUE(m_host.startedPrograms.empty());
}

TEST_F(UpdateCheckTest, NoAfterAFailedDownloadInstallsNothing) {
    m_fileVersions["Vantrel.CHM"] = "1.00";
    m_tree.WriteFile("program/Vantrel.CHM", "old help");
    PublishArchive("help.zip", {{"Vantrel.CHM", "new help"}});
    Publish("Vantrel,missing.zip,1.05\nVantrel.CHM,help.zip,1.01\n");
    m_host.answers = {true, false};

    EXPECT_FALSE(Check());

    EXPECT_EQ(ProgramFolderNames(), (std::vector<std::string>{"Vantrel", "Vantrel.CHM"}));
    EXPECT_FALSE(WasRequested("help.zip"));
}

TEST_F(UpdateCheckTest, NothingNewerEndsWithItsMessage) {
    Publish("Vantrel,archive1.zip,1.04\n");

    EXPECT_FALSE(Check());

    EXPECT_EQ(m_host.statuses.back(), "No update available");
    EXPECT_EQ(m_host.messages, std::vector<std::string>{"No new versions are available."});
    EXPECT_TRUE(m_host.questions.empty());
}

TEST_F(UpdateCheckTest, VersionTenIsNewerThanNine) {
    m_fileVersions["Vantrel"] = "9.00";
    PublishArchive("archive1.zip", {{"Vantrel", "new program"}});
    Publish("Vantrel,archive1.zip,10.00\n");

    EXPECT_FALSE(Check());

    ASSERT_EQ(m_host.questions.size(), 1u);
    EXPECT_THAT(m_host.questions[0], HasSubstr("Vantrel  Ver.10.00"));
}

TEST_F(UpdateCheckTest, BadUpdateInformationEndsWithThePartsMessages) {
    const std::pair<std::string, std::string> cases[] = {
        {"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\n<html></html>\n",
         "ERROR:  Update information is not available on the server."},
        {"Vantrel,archive1.zip,1.05\n\n",
         "ERROR:  Update information is not available on the server."},
        {"", "ERROR:  Unable to read retrieved update information."},
    };
    for (const auto& [manifest, message] : cases) {
        m_host.messages.clear();
        Publish(manifest);
        EXPECT_FALSE(Check());
        ASSERT_EQ(m_host.messages.size(), 1u);
        EXPECT_TRUE(m_host.messages[0].starts_with(message)) << m_host.messages[0];
    }
    EXPECT_FALSE(WasRequested("archive1.zip"));
}

TEST_F(UpdateCheckTest, AFailedManifestDownloadSaysWhy) {
    auto settings = Settings();
    settings.serverAddress = m_server.BaseUrl() + "/status/404";

    EXPECT_FALSE(Check(settings));

    ASSERT_EQ(m_host.messages.size(), 1u);
    EXPECT_TRUE(
        m_host.messages[0].starts_with("ERROR:  Unable to retrieve update information.\n\n"));
    EXPECT_THAT(m_host.messages[0], HasSubstr("404"));
}

TEST_F(UpdateCheckTest, AManifestOverItsLimitIsAFailedDownload) {
    Publish(std::string(4096, 'x') + ",a.zip,1.05\n");
    auto settings = Settings();
    settings.manifestLimit = 1024;

    EXPECT_FALSE(Check(settings));

    ASSERT_EQ(m_host.messages.size(), 1u);
    EXPECT_TRUE(m_host.messages[0].starts_with("ERROR:  Unable to retrieve update information."));
}

TEST_F(UpdateCheckTest, AServerAddressThatIsNotHttpsIsRefusedBeforeAnyRequest) {
    Publish("Vantrel,archive1.zip,1.05\n");
    auto settings = Settings();
    settings.serverAddress = "http://127.0.0.1:1";

    EXPECT_FALSE(Check(settings));

    ASSERT_EQ(m_host.messages.size(), 1u);
    EXPECT_THAT(m_host.messages[0], HasSubstr("does not begin with https://"));
    EXPECT_TRUE(m_server.RequestedPaths().empty());
}

TEST_F(UpdateCheckTest, AnArchiveWhoseDigestDiffersIsAFailedUpdate) {
    PublishArchive("archive1.zip", {{"Vantrel", "new program"}});
    Publish("Vantrel,archive1.zip,1.05," + std::string(64, 'a') + "\n");
    m_host.answers = {true};

    EXPECT_FALSE(Check());

    ASSERT_EQ(m_host.messages.size(), 1u);
    EXPECT_TRUE(
        m_host.messages[0].starts_with("ERROR:  Unable to retrieve update for Vantrel.\n\n"));
    EXPECT_THAT(m_host.messages[0], HasSubstr("SHA-256"));
    EXPECT_EQ(ProgramFolderNames(), std::vector<std::string>{"Vantrel"});
    EXPECT_EQ(ProgramFileText("Vantrel"), "old program");
}

TEST_F(UpdateCheckTest, SomethingOtherThanAnArchiveIsAFailedUpdate) {
    Publish("Vantrel,page.html,1.05\n");
    WriteServerFile(std::string(kServerFolder) + "page.html", "<html>moved</html>");
    m_host.answers = {true};

    EXPECT_FALSE(Check());

    ASSERT_EQ(m_host.messages.size(), 1u);
    EXPECT_TRUE(m_host.messages[0].starts_with("ERROR:  Unable to retrieve update for Vantrel."));
    EXPECT_EQ(ProgramFileText("Vantrel"), "old program");
}

TEST_F(UpdateCheckTest, AnArchiveThatClimbsOutOfTheFolderChangesNothing) {
    PublishArchive("archive1.zip", {{"Vantrel", "new program"}, {"../escaped", "evil"}});
    Publish("Vantrel,archive1.zip,1.05\n");
    m_host.answers = {true};

    EXPECT_FALSE(Check());

    ASSERT_EQ(m_host.messages.size(), 1u);
    EXPECT_TRUE(
        m_host.messages[0].starts_with("ERROR:  Unable to decompress retrieved update.\n\n"));
    EXPECT_THAT(m_host.messages[0], HasSubstr("../escaped"));
    EXPECT_EQ(ProgramFolderNames(), std::vector<std::string>{"Vantrel"});
    EXPECT_EQ(ProgramFileText("Vantrel"), "old program");
    EXPECT_FALSE(m_tree.Exists("escaped"));
}

TEST_F(UpdateCheckTest, AnInstallThatFailsHalfwayPutsEveryFileBack) {
    // The archive's second file cannot take the place of a folder.
    m_tree.WriteFile("program/help/page.txt", "page");
    PublishArchive("archive1.zip", {{"Vantrel", "new program"}, {"help", "a file"}});
    Publish("Vantrel,archive1.zip,1.05\n");
    m_host.answers = {true};

    EXPECT_FALSE(Check());

    ASSERT_EQ(m_host.messages.size(), 1u);
    EXPECT_TRUE(
        m_host.messages[0].starts_with("ERROR:  Unable to install the update for Vantrel."));
    EXPECT_THAT(m_host.messages[0], HasSubstr("Every file was put back as it was before."));
    EXPECT_EQ(ProgramFolderNames(), (std::vector<std::string>{"Vantrel", "help"}));
    EXPECT_EQ(ProgramFileText("Vantrel"), "old program");
    EXPECT_EQ(ProgramFileText("help/page.txt"), "page");
    EXPECT_TRUE(m_host.startedPrograms.empty());
}

TEST_F(UpdateCheckTest, AFolderTheUserCannotChangeIsFoundBeforeAnyDownload) {
    Publish("Vantrel,archive1.zip,1.05\n");
    ASSERT_EQ(chmod(m_tree.Path("program").c_str(), 0555), 0);
    {
        PermissionChecksApply asAnyUser;
        EXPECT_FALSE(Check());
    }
    chmod(m_tree.Path("program").c_str(), 0755);

    ASSERT_EQ(m_host.messages.size(), 1u);
    EXPECT_THAT(m_host.messages[0], HasSubstr("installed in " + m_tree.Path("program") + "/"));
    EXPECT_THAT(m_host.messages[0], HasSubstr("the way it was installed"));
    EXPECT_TRUE(m_server.RequestedPaths().empty());
}

TEST_F(UpdateCheckTest, AStopDuringADownloadEndsTheCheckQuietly) {
    auto settings = Settings();
    settings.serverAddress = m_server.BaseUrl() + "/stall";
    m_host.stopAfterWaits = 5;

    EXPECT_FALSE(Check(settings));

    EXPECT_TRUE(m_host.messages.empty());
}

}  // namespace
