#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include <curl/curl.h>

#include "CWebGrab.h"

class CWebGrabSession;

// "Read N bytes", with the rate in kilobytes a second once the transfer has
// taken at least a second (rounded to whole seconds).
std::string DownloadProgressText(std::uint64_t total, std::chrono::steady_clock::duration elapsed);

// One download through a session: the response body goes into an open file,
// at most `maxBytes` of it, while `wait` (may be null) is asked at least
// every 50 ms whether to go on.
class WebTransfer {
  public:
    WebTransfer(CWebGrabSession& session, int fd, std::uint64_t maxBytes,
                const TransferLimits& limits, DownloadWait* wait);
    WebTransfer(const WebTransfer&) = delete;
    WebTransfer& operator=(const WebTransfer&) = delete;

    // True when the whole body arrived with a 2xx status; otherwise
    // ErrorMessage() says why.
    bool Run(const std::string& url);

    const std::string& ErrorMessage() const { return m_error; }
    // Status and header lines of the final response, once one completed.
    unsigned long StatusCode() const { return m_statusCode; }
    const std::string& RawHeaders() const { return m_headers; }

  private:
    void SetTransferOptions(const std::string& url);
    CURLcode Perform();
    bool Finish(CURLcode result);
    bool Fail(const std::string& message);

    static size_t OnBody(char* data, size_t size, size_t count, void* transfer);
    static size_t OnHeader(char* data, size_t size, size_t count, void* transfer);
    bool Store(const char* data, size_t size);

    CWebGrabSession& m_session;
    int m_fd;
    std::uint64_t m_maxBytes;
    TransferLimits m_limits;
    DownloadWait* m_pWait;

    std::uint64_t m_total = 0;
    std::chrono::steady_clock::time_point m_start;
    bool m_bTooLarge = false;
    bool m_bCancelled = false;
    int m_writeError = 0;
    char m_curlError[CURL_ERROR_SIZE] = "";

    std::string m_error;
    unsigned long m_statusCode = 0;
    std::string m_headers;
    std::string m_pendingHeaders;
};
