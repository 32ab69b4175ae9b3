#pragma once

#include <curl/curl.h>

#include <string>

class DownloadStatusWindow;

// The connection object of one CWebGrab: one libcurl easy handle and one
// multi handle kept for all its downloads, so that connections are reused.
// It sets what every transfer shares (agent, HTTPS only, redirects only to
// https://) and turns libcurl's connection events into status texts.
class CWebGrabSession {
  public:
    CWebGrabSession(const std::string& agent, DownloadStatusWindow* statusWindow);
    ~CWebGrabSession();
    CWebGrabSession(const CWebGrabSession&) = delete;
    CWebGrabSession& operator=(const CWebGrabSession&) = delete;

    // False when libcurl could not give the handles.
    bool IsOpen() const { return m_pEasy != nullptr && m_pMulti != nullptr; }
    CURL* Easy() const { return m_pEasy; }
    CURLM* Multi() const { return m_pMulti; }

    void SetStatusWindow(DownloadStatusWindow* statusWindow) { m_pStatusWnd = statusWindow; }
    // Records a status text and shows it in the status window, if any.
    void SetStatus(const char* format, ...) __attribute__((format(printf, 2, 3)));
    const std::string& Status() const { return m_strStatus; }

  private:
    void SetSharedOptions(const std::string& agent);

    static curl_socket_t OpenSocket(void* session, curlsocktype purpose, curl_sockaddr* address);
    static int CloseSocket(void* session, curl_socket_t socket);
    static int BeforeRequest(void* session, char* serverAddress, char* localAddress, int serverPort,
                             int localPort);
    static int OnDebugEvent(CURL* handle, curl_infotype type, char* data, size_t size,
                            void* session);

    CURL* m_pEasy = nullptr;
    CURLM* m_pMulti = nullptr;
    DownloadStatusWindow* m_pStatusWnd;
    std::string m_strStatus;
};
