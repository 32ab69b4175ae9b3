#include "CWebGrabSession.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>

#include "CWebGrab.h"

namespace {

// libcurl's global state is set up once for the program and kept.
bool LibcurlReady() {
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
}

// The numeric text of a socket address ("127.0.0.1", "::1").
std::string AddressText(const sockaddr* address) {
    char text[INET6_ADDRSTRLEN] = "";
    if (address->sa_family == AF_INET) {
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text,
                  sizeof text);
    } else if (address->sa_family == AF_INET6) {
        inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr, text,
                  sizeof text);
    }
    return text;
}

}  // namespace

CWebGrabSession::CWebGrabSession(const std::string& agent, DownloadStatusWindow* statusWindow)
    : m_pStatusWnd(statusWindow) {
    if (!LibcurlReady()) {
        return;
    }
    m_pEasy = curl_easy_init();
    m_pMulti = curl_multi_init();
    if (m_pEasy != nullptr) {
        SetSharedOptions(agent);
    }
}

CWebGrabSession::~CWebGrabSession() {
    // Closing the kept connections reports through CloseSocket; the window
    // may be gone by now.
    m_pStatusWnd = nullptr;
    if (m_pMulti != nullptr) {
        curl_multi_cleanup(m_pMulti);
    }
    if (m_pEasy != nullptr) {
        curl_easy_cleanup(m_pEasy);
    }
}

void CWebGrabSession::SetSharedOptions(const std::string& agent) {
    curl_easy_setopt(m_pEasy, CURLOPT_USERAGENT, agent.c_str());
    curl_easy_setopt(m_pEasy, CURLOPT_PROTOCOLS_STR, "https");
    curl_easy_setopt(m_pEasy, CURLOPT_REDIR_PROTOCOLS_STR, "https");
    curl_easy_setopt(m_pEasy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(m_pEasy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_pEasy, CURLOPT_OPENSOCKETFUNCTION, &CWebGrabSession::OpenSocket);
    curl_easy_setopt(m_pEasy, CURLOPT_OPENSOCKETDATA, this);
    curl_easy_setopt(m_pEasy, CURLOPT_CLOSESOCKETFUNCTION, &CWebGrabSession::CloseSocket);
    curl_easy_setopt(m_pEasy, CURLOPT_CLOSESOCKETDATA, this);
    curl_easy_setopt(m_pEasy, CURLOPT_PREREQFUNCTION, &CWebGrabSession::BeforeRequest);
    curl_easy_setopt(m_pEasy, CURLOPT_PREREQDATA, this);
    // The debug callback (which needs the verbose mode) tells when a
    // request has gone out; nothing is written to the standard error.
    curl_easy_setopt(m_pEasy, CURLOPT_DEBUGFUNCTION, &CWebGrabSession::OnDebugEvent);
    curl_easy_setopt(m_pEasy, CURLOPT_DEBUGDATA, this);
    curl_easy_setopt(m_pEasy, CURLOPT_VERBOSE, 1L);
}

void CWebGrabSession::SetStatus(const char* format, ...) {
    char text[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    m_strStatus = text;
    if (m_pStatusWnd != nullptr) {
        m_pStatusWnd->ShowDownloadStatus(m_strStatus);
    }
}

curl_socket_t CWebGrabSession::OpenSocket(void* session, curlsocktype /*purpose*/,
                                          curl_sockaddr* address) {
    auto* self = static_cast<CWebGrabSession*>(session);
    self->SetStatus("Resolved name for %s", AddressText(&address->addr).c_str());
    self->SetStatus("Connecting to socket address ");
    const int opened = socket(address->family, address->socktype, address->protocol);
    return opened < 0 ? CURL_SOCKET_BAD : opened;
}

int CWebGrabSession::CloseSocket(void* session, curl_socket_t socket) {
    auto* self = static_cast<CWebGrabSession*>(session);
    self->SetStatus("Closing the connection to the server");
    const int result = close(socket);
    self->SetStatus("Connection to the server closed");
    return result;
}

int CWebGrabSession::BeforeRequest(void* session, char* /*serverAddress*/, char* /*localAddress*/,
                                   int /*serverPort*/, int /*localPort*/) {
    auto* self = static_cast<CWebGrabSession*>(session);
    self->SetStatus("Connected to socket address");
    self->SetStatus("Sending request...");
    return CURL_PREREQFUNC_OK;
}

int CWebGrabSession::OnDebugEvent(CURL* /*handle*/, curl_infotype type, char* /*data*/,
                                  size_t /*size*/, void* session) {
    if (type == CURLINFO_HEADER_OUT) {
        static_cast<CWebGrabSession*>(session)->SetStatus("Request sent");
    }
    return 0;
}
