#include "CWebGrab.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdlib>

#include "CWebGrabSession.h"
#include "UniqueFd.h"
#include "WebTransfer.h"

namespace {

// Creates "WEB" + six random characters + ".TMP" in $TMPDIR (or /tmp),
// readable by the user only; its path goes to `path`.
UniqueFd CreateTemporaryFile(std::string& path) {
    const char* folder = std::getenv("TMPDIR");
    path = std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") + "/WEBXXXXXX.TMP";
    return UniqueFd(mkstemps(path.data(), 4));
}

}  // namespace

CWebGrab::CWebGrab(DownloadWait* wait, TransferLimits limits) : m_pWait(wait), m_limits(limits) {}

CWebGrab::~CWebGrab() = default;

bool CWebGrab::Initialize(const std::string& agent, DownloadStatusWindow* statusWindow) {
    m_pSession.reset();
    m_infoStatusCode = 0;
    m_pSession = std::make_unique<CWebGrabSession>(agent, statusWindow);
    if (!m_pSession->IsOpen()) {
        m_pSession.reset();
    }
    return m_pSession != nullptr;
}

bool CWebGrab::DownloadToTemp(const std::string& url, std::string& tempPath,
                              const std::string& agent, DownloadStatusWindow* statusWindow,
                              std::uint64_t maxBytes) {
    UniqueFd file = CreateTemporaryFile(tempPath);
    if (!file.IsOpen()) {
        m_strErrorMessage = "ERROR:  Unable to create temporary file " + tempPath + ".";
        return false;
    }
    m_strRawHeaders.clear();
    m_infoStatusCode = 0;
    if (m_pSession == nullptr && !Initialize(agent, statusWindow)) {
        m_strErrorMessage = "ERROR:  Unable to initialize session.";
        return false;
    }
    if (statusWindow != nullptr) {
        m_pSession->SetStatusWindow(statusWindow);
    }
    WebTransfer transfer(*m_pSession, file.Get(), maxBytes, m_limits, m_pWait);
    const bool downloaded = transfer.Run(url);
    m_infoStatusCode = transfer.StatusCode();
    m_strRawHeaders = transfer.RawHeaders();
    if (!file.Close() && downloaded) {
        m_strErrorMessage = "ERROR:  Unable to write temporary file " + tempPath + ".";
        return false;
    }
    if (!downloaded) {
        m_strErrorMessage = transfer.ErrorMessage();
    }
    return downloaded;
}

std::string CWebGrab::Status() const {
    return m_pSession != nullptr ? m_pSession->Status() : "";
}
