#include "CWebGrab.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "HttpsTestServer.h"
#include "TempTree.h"
#include "WebTransfer.h"

using testing::HasSubstr;

namespace {

const std::string kAgent = "WebGrab demo";
constexpr std::uint64_t kNoLimit = 1 << 30;

class RecordingStatusWindow : public DownloadStatusWindow {
  public:
    void ShowDownloadStatus(const std::string& text) override { texts.push_back(text); }
    bool Saw(const std::string& text) const {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    std::vector<std::string> texts;
};

// Goes on until it has been asked `limit` times.
class CountingWait : public DownloadWait {
  public:
    explicit CountingWait(int limit) : m_limit(limit) {}
    bool KeepWaiting() override { return ++calls < m_limit; }
    int calls = 0;

  private:
    int m_limit;
};

// Gives up after half a minute, so that a transfer that would otherwise
// never end fails its test instead of holding up the run.
class SafetyWait : public DownloadWait {
  public:
    bool KeepWaiting() override { return std::chrono::steady_clock::now() < m_giveUp; }

  private:
    std::chrono::steady_clock::time_point m_giveUp =
        std::chrono::steady_clock::now() + std::chrono::seconds(30);
};

std::string Bytes(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    }
    return bytes;
}

class CWebGrabTest : public testing::Test {
  protected:
    void SetUp() override {
        setenv("CURL_CA_BUNDLE", server.CaBundlePath().c_str(), 1);
        setenv("no_proxy", "127.0.0.1,localhost", 1);
    }
    void TearDown() override {
        unsetenv("CURL_CA_BUNDLE");
        std::error_code ignored;
        for (const std::string& path : tempPaths) {
            std::filesystem::remove(path, ignored);
        }
    }

    void Serve(const std::string& relative, const std::string& content) {
        std::filesystem::create_directories(
            std::filesystem::path(server.ContentFolder() + "/" + relative).parent_path());
        FILE* file = std::fopen((server.ContentFolder() + "/" + relative).c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(content.data(), 1, content.size(), file);
        std::fclose(file);
    }

    bool Download(CWebGrab& grab, const std::string& path, std::uint64_t maxBytes = kNoLimit,
                  DownloadStatusWindow* window = nullptr) {
        std::string tempPath;
        const bool downloaded =
            grab.DownloadToTemp(server.BaseUrl() + path, tempPath, kAgent, window, maxBytes);
        tempPaths.push_back(tempPath);
        return downloaded;
    }
    std::string Downloaded() const { return ReadWholeFile(tempPaths.back()); }

    long CountRequests(const std::string& prefix) const {
        const std::vector<std::string> paths = server.RequestedPaths();
        return std::count_if(paths.begin(), paths.end(),
                             [&](const std::string& path) { return path.starts_with(prefix); });
    }

    HttpsTestServer server;
    SafetyWait safety;
    std::vector<std::string> tempPaths;
};

TEST_F(CWebGrabTest, StoresTheBodyByteForByteInAPrivateTemporaryFileAndKeepsTheSession) {
    const std::string archive = Bytes(100000);
    Serve("Ver1/archive1.zip", archive);
    Serve("Ver1/Vantrel_Version.txt", "Vantrel,archive1.zip,1.05\n");
    RecordingStatusWindow window;
    CWebGrab grab(&safety);

    ASSERT_TRUE(Download(grab, "/Ver1/archive1.zip", kNoLimit, &window)) << grab.m_strErrorMessage;
    EXPECT_EQ(Downloaded(), archive);
    EXPECT_EQ(grab.m_infoStatusCode, 200u);
    EXPECT_THAT(grab.m_strRawHeaders, HasSubstr("Content-Length: 100000"));
    const std::filesystem::path file = tempPaths.back();
    EXPECT_EQ(file.parent_path().string(), std::getenv("TMPDIR"));
    EXPECT_TRUE(file.filename().string().starts_with("WEB"));
    EXPECT_EQ(file.extension().string(), ".TMP");
    EXPECT_EQ(file.filename().string().size(), std::string("WEB123456.TMP").size());
    struct stat info {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    // The kept connection serves the second download without connecting
    // again; the third passes no window, and the one given before stays.
    window.texts.clear();
    ASSERT_TRUE(Download(grab, "/Ver1/Vantrel_Version.txt", kNoLimit, &window))
        << grab.m_strErrorMessage;
    EXPECT_EQ(Downloaded(), "Vantrel,archive1.zip,1.05\n");
    EXPECT_NE(tempPaths[0], tempPaths[1]);
    EXPECT_TRUE(window.Saw("Request sent"));
    EXPECT_FALSE(window.Saw("Connecting to socket address "));
    window.texts.clear();
    ASSERT_TRUE(Download(grab, "/Ver1/Vantrel_Version.txt")) << grab.m_strErrorMessage;
    EXPECT_TRUE(window.Saw("Request sent"));

    const std::vector<HttpsTestServer::Request> requests = server.Requests();
    ASSERT_EQ(requests.size(), 3u);
    for (const HttpsTestServer::Request& request : requests) {
        EXPECT_EQ(request.userAgent, kAgent);
    }
}

TEST_F(CWebGrabTest, TheTemporaryFileGoesToTheTemporaryFolderOrElseTmp) {
    Serve("Ver1/archive1.zip", "PK archive");
    CWebGrab grab(&safety);
    const std::string folder = std::getenv("TMPDIR");

    setenv("TMPDIR", "", 1);
    const bool inTmp = Download(grab, "/Ver1/archive1.zip");
    setenv("TMPDIR", (folder + "/missing").c_str(), 1);
    const bool inMissing = Download(grab, "/Ver1/archive1.zip");
    setenv("TMPDIR", folder.c_str(), 1);

    EXPECT_TRUE(inTmp) << grab.m_strErrorMessage;
    EXPECT_TRUE(tempPaths[0].starts_with("/tmp/WEB")) << tempPaths[0];
    EXPECT_FALSE(inMissing);
    EXPECT_THAT(grab.m_strErrorMessage, HasSubstr("Unable to create temporary file"));
    EXPECT_EQ(server.RequestedPaths().size(), 1u);
}

TEST_F(CWebGrabTest, AnErrorStatusFailsWithTheStatusAndKeepsTheBody) {
    CWebGrab grab(&safety);
    EXPECT_FALSE(Download(grab, "/status/404/Vantrel_Version.txt"));
    EXPECT_THAT(grab.m_strErrorMessage, HasSubstr("404"));
    EXPECT_EQ(grab.m_infoStatusCode, 404u);
    EXPECT_TRUE(grab.m_strRawHeaders.starts_with("HTTP/1.1 404")) << grab.m_strRawHeaders;
    EXPECT_THAT(Downloaded(), HasSubstr("Status 404"));
    // With no window the texts are still recorded; the last is the failure.
    EXPECT_EQ(grab.Status(), grab.m_strErrorMessage);
}

TEST_F(CWebGrabTest, RedirectsAreFollowedOnlyOverHttpsAndOnlyFiveTimes) {
    Serve("Ver1/archive1.zip", "PK archive");
    CWebGrab grab(&safety);
    ASSERT_TRUE(Download(grab, "/redirect/Ver1/archive1.zip")) << grab.m_strErrorMessage;
    EXPECT_EQ(Downloaded(), "PK archive");
    EXPECT_THAT(grab.m_strRawHeaders, HasSubstr("200"));
    EXPECT_THAT(grab.m_strRawHeaders, testing::Not(HasSubstr("302")));

    EXPECT_FALSE(Download(grab, "/redirect-loop/"));
    EXPECT_LE(CountRequests("/redirect-loop/"), 6);
    EXPECT_THAT(grab.m_strErrorMessage, testing::Not(HasSubstr("cancelled")));

    EXPECT_FALSE(Download(grab, "/redirect-to-http/Ver1/archive1.zip"));
    EXPECT_EQ(CountRequests("/Ver1/archive1.zip"), 1) << "the plain server was asked";
}

TEST_F(CWebGrabTest, APlainHttpAddressIsRefused) {
    Serve("Ver1/archive1.zip", "PK archive");
    CWebGrab grab(&safety);
    std::string tempPath;
    EXPECT_FALSE(grab.DownloadToTemp(server.PlainBaseUrl() + "/Ver1/archive1.zip", tempPath, kAgent,
                                     nullptr, kNoLimit));
    tempPaths.push_back(tempPath);
    EXPECT_FALSE(grab.m_strErrorMessage.empty());
    EXPECT_TRUE(server.RequestedPaths().empty());
}

TEST_F(CWebGrabTest, AServerWhoseCertificateIsNotTrustedIsRefused) {
    Serve("Ver1/archive1.zip", "PK archive");
    CWebGrab grab(&safety);

    unsetenv("CURL_CA_BUNDLE");
    EXPECT_FALSE(Download(grab, "/Ver1/archive1.zip"));
    EXPECT_FALSE(grab.m_strErrorMessage.empty());

    const HttpsTestServer stranger;
    setenv("CURL_CA_BUNDLE", stranger.CaBundlePath().c_str(), 1);
    EXPECT_FALSE(Download(grab, "/Ver1/archive1.zip"));
    EXPECT_TRUE(server.RequestedPaths().empty());
    EXPECT_EQ(Downloaded(), "");
}

TEST_F(CWebGrabTest, ABodyOverTheLimitFailsChunkedOrNot) {
    Serve("Ver1/archive1.zip", Bytes(20000));
    CWebGrab grab(&safety);
    ASSERT_TRUE(Download(grab, "/chunked/5000/", 10000)) << grab.m_strErrorMessage;
    EXPECT_EQ(Downloaded().size(), 5000u);

    EXPECT_FALSE(Download(grab, "/chunked/50000/", 10000));
    EXPECT_THAT(grab.m_strErrorMessage, HasSubstr("10000"));
    EXPECT_LE(Downloaded().size(), 10000u);

    EXPECT_FALSE(Download(grab, "/Ver1/archive1.zip", 10000));
    EXPECT_THAT(grab.m_strErrorMessage, HasSubstr("10000"));
}

TEST_F(CWebGrabTest, AStalledServerIsLeftAfterTheLowSpeedTime) {
    TransferLimits limits;
    limits.lowSpeedTime = std::chrono::seconds(1);
    CWebGrab grab(&safety, limits);
    EXPECT_FALSE(Download(grab, "/stall/"));
    EXPECT_THAT(grab.m_strErrorMessage, testing::Not(HasSubstr("cancelled")));
    EXPECT_FALSE(grab.m_strErrorMessage.empty());
}

TEST_F(CWebGrabTest, AWaitAnsweringFalseEndsAStalledTransfer) {
    CountingWait stop(10);
    CWebGrab grab(&stop);
    RecordingStatusWindow window;
    EXPECT_FALSE(Download(grab, "/stall/", kNoLimit, &window));
    EXPECT_THAT(grab.m_strErrorMessage, HasSubstr("cancelled"));
    EXPECT_EQ(stop.calls, 10);
    EXPECT_EQ(Downloaded(), "a few bytes");
    EXPECT_TRUE(window.Saw("Closing the connection to the server"));
    EXPECT_TRUE(window.Saw("Connection to the server closed"));
}

TEST_F(CWebGrabTest, StatusTextsFollowTheTransferInOrder) {
    Serve("Ver1/archive1.zip", Bytes(3000));
    RecordingStatusWindow window;
    CWebGrab grab(&safety);
    ASSERT_TRUE(grab.Initialize(kAgent, &window));
    ASSERT_TRUE(Download(grab, "/Ver1/archive1.zip")) << grab.m_strErrorMessage;

    const std::vector<std::string> expected = {"Resolving name for 127.0.0.1",
                                               "Resolved name for 127.0.0.1",
                                               "Connecting to socket address ",
                                               "Connected to socket address",
                                               "Sending request...",
                                               "Request sent",
                                               "Response received",
                                               "Read 3000 bytes",
                                               ""};
    auto next = window.texts.begin();
    for (const std::string& text : expected) {
        next = std::find(next, window.texts.end(), text);
        ASSERT_TRUE(next != window.texts.end()) << "missing or out of order: \"" << text << "\"";
    }
    EXPECT_EQ(grab.Status(), "");
}

TEST(DownloadProgressTextTest, ShowsTheRateOnceASecondHasPassed) {
    using namespace std::chrono_literals;
    EXPECT_EQ(DownloadProgressText(20480, 400ms), "Read 20480 bytes");
    EXPECT_EQ(DownloadProgressText(20480, 2s), "Read 20480 bytes (10.0 Kb/s)");
    EXPECT_EQ(DownloadProgressText(3072, 1600ms), "Read 3072 bytes (1.5 Kb/s)");
    EXPECT_EQ(DownloadProgressText(5000000000ULL, 1s), "Read 5000000000 bytes (4882812.5 Kb/s)");
}

}  // namespace
