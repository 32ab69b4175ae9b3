#include "WebTransfer.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "CWebGrabSession.h"

namespace {

constexpr int kPollMilliseconds = 50;

// The host part of `url` ("" when it has none).
std::string HostOf(const std::string& url) {
    std::string host;
    CURLU* parsed = curl_url();
    char* part = nullptr;
    if (parsed != nullptr && curl_url_set(parsed, CURLUPART_URL, url.c_str(), 0) == CURLUE_OK &&
        curl_url_get(parsed, CURLUPART_HOST, &part, 0) == CURLUE_OK) {
        host = part;
        curl_free(part);
    }
    curl_url_cleanup(parsed);
    return host;
}

std::string Formatted(const char* format, auto... values) {
    char text[512];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

}  // namespace

std::string DownloadProgressText(std::uint64_t total, std::chrono::steady_clock::duration elapsed) {
    const auto seconds = std::chrono::round<std::chrono::seconds>(elapsed).count();
    const auto bytes = static_cast<unsigned long long>(total);
    if (seconds <= 0) {
        return Formatted("Read %llu bytes", bytes);
    }
    return Formatted("Read %llu bytes (%0.1f Kb/s)", bytes,
                     static_cast<double>(total) / static_cast<double>(seconds) / 1024.0);
}

WebTransfer::WebTransfer(CWebGrabSession& session, int fd, std::uint64_t maxBytes,
                         const TransferLimits& limits, DownloadWait* wait)
    : m_session(session), m_fd(fd), m_maxBytes(maxBytes), m_limits(limits), m_pWait(wait) {}

bool WebTransfer::Run(const std::string& url) {
    m_session.SetStatus("Resolving name for %s", HostOf(url).c_str());
    SetTransferOptions(url);
    m_start = std::chrono::steady_clock::now();
    const CURLcode result = Perform();
    curl_easy_setopt(m_session.Easy(), CURLOPT_ERRORBUFFER, nullptr);
    return Finish(result);
}

void WebTransfer::SetTransferOptions(const std::string& url) {
    CURL* easy = m_session.Easy();
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, m_curlError);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &WebTransfer::OnBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &WebTransfer::OnHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, m_limits.maxRedirects);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(std::chrono::milliseconds(m_limits.connectTimeout).count()));
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, m_limits.lowSpeedBytesPerSecond);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME,
                     static_cast<long>(m_limits.lowSpeedTime.count()));
    // Refuses early a body whose announced length is too large; a chunked
    // one is counted in OnBody.
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE,
                     static_cast<curl_off_t>(std::min<std::uint64_t>(m_maxBytes, INT64_MAX)));
    // libcurl itself does not read CURL_CA_BUNDLE; without it the system's
    // certificate authorities are trusted.
    const char* caBundle = std::getenv("CURL_CA_BUNDLE");
    curl_easy_setopt(easy, CURLOPT_CAINFO,
                     caBundle != nullptr && *caBundle != '\0' ? caBundle : nullptr);
}

// Drives the transfer through the multi handle, so that the wait is asked
// at least every 50 ms whatever the network does.
CURLcode WebTransfer::Perform() {
    CURLM* multi = m_session.Multi();
    curl_multi_add_handle(multi, m_session.Easy());
    CURLcode result = CURLE_OK;
    for (int running = 1;;) {
        const CURLMcode step = curl_multi_perform(multi, &running);
        if (step != CURLM_OK) {
            std::snprintf(m_curlError, sizeof m_curlError, "%s", curl_multi_strerror(step));
            result = CURLE_FAILED_INIT;
            break;
        }
        if (running == 0) {
            int left = 0;
            const CURLMsg* message = curl_multi_info_read(multi, &left);
            result = message != nullptr ? message->data.result : CURLE_RECV_ERROR;
            break;
        }
        if (m_pWait != nullptr && !m_pWait->KeepWaiting()) {
            m_bCancelled = true;
            result = CURLE_ABORTED_BY_CALLBACK;
            break;
        }
        curl_multi_poll(multi, nullptr, 0, kPollMilliseconds, nullptr);
    }
    curl_multi_remove_handle(multi, m_session.Easy());
    return result;
}

bool WebTransfer::Finish(CURLcode result) {
    if (m_bCancelled) {
        return Fail("ERROR:  The download was cancelled.");
    }
    if (m_bTooLarge || result == CURLE_FILESIZE_EXCEEDED) {
        return Fail(Formatted("ERROR:  The download is larger than the limit of %llu bytes.",
                              static_cast<unsigned long long>(m_maxBytes)));
    }
    if (m_writeError != 0) {
        return Fail(Formatted("ERROR:  Unable to write the temporary file: %s.",
                              std::strerror(m_writeError)));
    }
    if (result != CURLE_OK) {
        return Fail(std::string("ERROR:  ") +
                    (m_curlError[0] != '\0' ? m_curlError : curl_easy_strerror(result)));
    }
    long code = 0;
    curl_easy_getinfo(m_session.Easy(), CURLINFO_RESPONSE_CODE, &code);
    m_statusCode = static_cast<unsigned long>(code);
    m_headers = m_pendingHeaders;
    if (code < 200 || code > 299) {
        return Fail(Formatted("ERROR:  The server answered %ld.", code));
    }
    m_session.SetStatus("%s", "");
    return true;
}

bool WebTransfer::Fail(const std::string& message) {
    m_error = message;
    m_session.SetStatus("%s", message.c_str());
    return false;
}

size_t WebTransfer::OnBody(char* data, size_t size, size_t count, void* transfer) {
    auto* self = static_cast<WebTransfer*>(transfer);
    const size_t bytes = size * count;
    return self->Store(data, bytes) ? bytes : CURL_WRITEFUNC_ERROR;
}

bool WebTransfer::Store(const char* data, size_t size) {
    if (size > m_maxBytes - m_total) {
        m_bTooLarge = true;
        return false;
    }
    for (size_t written = 0; written < size;) {
        const ssize_t step = write(m_fd, data + written, size - written);
        if (step < 0 && errno != EINTR) {
            m_writeError = errno;
            return false;
        }
        written += step > 0 ? static_cast<size_t>(step) : 0;
    }
    m_total += size;
    m_session.SetStatus(
        "%s", DownloadProgressText(m_total, std::chrono::steady_clock::now() - m_start).c_str());
    return true;
}

size_t WebTransfer::OnHeader(char* data, size_t size, size_t count, void* transfer) {
    auto* self = static_cast<WebTransfer*>(transfer);
    const std::string line(data, size * count);
    // Each response of a redirect chain starts again with its status line;
    // only the last one's headers are kept.
    if (line.starts_with("HTTP/")) {
        self->m_pendingHeaders.clear();
        self->m_session.SetStatus("Response received");
    }
    self->m_pendingHeaders += line;
    return size * count;
}
