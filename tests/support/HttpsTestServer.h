#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "TempTree.h"

// A local web server for one test: HTTPS on 127.0.0.1 with a certificate
// from a test certificate authority made afresh (openssl), and the same
// content over plain HTTP on a second port. Runs https_test_server.py (see
// there for the special paths such as "/status/404/" or "/stall/") and stops
// it when it goes. Throws std::runtime_error when it cannot start.
class HttpsTestServer {
  public:
    struct Request {
        std::string path;
        std::string userAgent;
    };

    HttpsTestServer();
    ~HttpsTestServer();
    HttpsTestServer(const HttpsTestServer&) = delete;
    HttpsTestServer& operator=(const HttpsTestServer&) = delete;

    // "https://127.0.0.1:PORT", without a trailing "/".
    std::string BaseUrl() const;
    // "http://127.0.0.1:PORT" of the plain server, without a trailing "/".
    std::string PlainBaseUrl() const;
    // The test authority's certificate (PEM), for CURL_CA_BUNDLE.
    std::string CaBundlePath() const;
    // Files written under this folder are served at their relative path.
    const std::string& ContentFolder() const { return m_content; }

    // The requests that reached either port so far, oldest first.
    std::vector<Request> Requests() const;
    std::vector<std::string> RequestedPaths() const;

  private:
    void MakeCertificates() const;
    void Start();
    void Stop();

    TempTree m_folder;
    std::string m_content;
    pid_t m_server = -1;
    int m_httpsPort = 0;
    int m_httpPort = 0;
};
