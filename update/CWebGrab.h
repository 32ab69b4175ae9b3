#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

class CWebGrabSession;

// Where a download shows its status texts as they arrive (a line of a
// window); optional.
class DownloadStatusWindow {
  public:
    virtual ~DownloadStatusWindow() = default;
    virtual void ShowDownloadStatus(const std::string& text) = 0;
};

// Called again and again while a transfer waits on the network, at least
// every 50 ms, so that the window stays responsive; answers false when the
// user asked to stop, which ends the transfer as a failed download.
class DownloadWait {
  public:
    virtual ~DownloadWait() = default;
    virtual bool KeepWaiting() = 0;
};

// How long a transfer may take before it is given up. Tests shorten them.
struct TransferLimits {
    std::chrono::seconds connectTimeout{30};
    // A transfer slower than this many bytes a second for `lowSpeedTime`
    // is dropped.
    long lowSpeedBytesPerSecond = 1024;
    std::chrono::seconds lowSpeedTime{60};
    long maxRedirects = 5;
};

// Fetches a URL over HTTPS (certificate and host name verified, redirects
// only to https://) and stores the response body in a fresh temporary file
// named "WEB" + random + ".TMP" in the temporary folder. One session (and
// its connections) serves every download of one object.
class CWebGrab {
  public:
    explicit CWebGrab(DownloadWait* wait = nullptr, TransferLimits limits = {});
    CWebGrab(const CWebGrab&) = delete;
    CWebGrab& operator=(const CWebGrab&) = delete;
    virtual ~CWebGrab();

    // (Re)creates the session with `agent`; true when there is one.
    bool Initialize(const std::string& agent, DownloadStatusWindow* statusWindow);

    // Downloads `url` into a new temporary file whose full path goes to
    // `tempPath` (set even when the download then fails; the caller removes
    // the file). True when the whole body, at most `maxBytes`, is in the
    // file and the server answered with a 2xx status; otherwise false with
    // the reason in m_strErrorMessage. A null `statusWindow` keeps the one
    // given before.
    bool DownloadToTemp(const std::string& url, std::string& tempPath, const std::string& agent,
                        DownloadStatusWindow* statusWindow, std::uint64_t maxBytes);

    // The last status text of the session (empty before the first).
    std::string Status() const;

    // HTTP status of the last completed download; 0 before.
    unsigned long m_infoStatusCode = 0;
    std::string m_strErrorMessage;
    // The response header lines of the last completed download.
    std::string m_strRawHeaders;

  private:
    DownloadWait* m_pWait;
    TransferLimits m_limits;
    std::unique_ptr<CWebGrabSession> m_pSession;
};
