#include "HttpsTestServer.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "ChildProcess.h"

namespace {

constexpr std::chrono::seconds kToolLimit{30};
constexpr int kStartLimitMilliseconds = 15000;

// The full path of `name`: `preferred` when it exists, else the first match
// on PATH; throws when there is none.
std::string FindProgram(const std::string& preferred, const std::string& name) {
    if (access(preferred.c_str(), X_OK) == 0) {
        return preferred;
    }
    const char* path = std::getenv("PATH");
    std::istringstream folders(path != nullptr ? path : "");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::string candidate = folder + "/" + name;
        if (!folder.empty() && access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    throw std::runtime_error(name + " is not installed");
}

// Runs openssl with `arguments` in `folder`, its output discarded; throws
// when it fails.
void RunOpenssl(const std::string& folder, std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), FindProgram("/usr/bin/openssl", "openssl"));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const pid_t child = SpawnChild(arguments, &actions);
    posix_spawn_file_actions_destroy(&actions);
    const int status = child < 0 ? -1 : WaitForChild(child, kToolLimit);
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error("openssl " + arguments[1] + " failed");
    }
}

// The first line the child writes to `fd`, waiting at most the start limit.
std::string ReadFirstLine(int fd) {
    std::string line;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartLimitMilliseconds);
    while (line.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd ready{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) {
            throw std::runtime_error("the test server did not start in time");
        }
        char buffer[256];
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count <= 0) {
            throw std::runtime_error("the test server ended before it listened");
        }
        line.append(buffer, static_cast<size_t>(count));
    }
    return line;
}

}  // namespace

HttpsTestServer::HttpsTestServer() : m_content(m_folder.MakeDir("content")) {
    MakeCertificates();
    Start();
}

HttpsTestServer::~HttpsTestServer() {
    Stop();
}

void HttpsTestServer::Stop() {
    if (m_server > 0) {
        kill(m_server, SIGTERM);
        WaitForChild(m_server, kToolLimit);
    }
    m_server = -1;
}

void HttpsTestServer::MakeCertificates() const {
    const std::string& folder = m_folder.Root();
    m_folder.WriteFile("server.ext",
                       "subjectAltName=IP:127.0.0.1,DNS:localhost\n"
                       "basicConstraints=critical,CA:FALSE\n"
                       "keyUsage=critical,digitalSignature,keyEncipherment\n"
                       "extendedKeyUsage=serverAuth\n");
    const std::vector<std::string> newKey = {"-newkey", "ec", "-pkeyopt",
                                             "ec_paramgen_curve:prime256v1", "-nodes"};
    std::vector<std::string> authority = {"req", "-x509"};
    authority.insert(authority.end(), newKey.begin(), newKey.end());
    authority.insert(authority.end(),
                     {"-keyout", "ca.key", "-out", "ca.pem", "-days", "2", "-subj",
                      "/CN=Vantrel test authority", "-addext", "basicConstraints=critical,CA:TRUE",
                      "-addext", "keyUsage=critical,keyCertSign,cRLSign"});
    RunOpenssl(folder, authority);
    std::vector<std::string> request = {"req"};
    request.insert(request.end(), newKey.begin(), newKey.end());
    request.insert(request.end(),
                   {"-keyout", "server.key", "-out", "server.csr", "-subj", "/CN=127.0.0.1"});
    RunOpenssl(folder, request);
    RunOpenssl(folder,
               {"x509", "-req", "-in", "server.csr", "-CA", "ca.pem", "-CAkey", "ca.key",
                "-CAcreateserial", "-days", "2", "-extfile", "server.ext", "-out", "server.pem"});
}

void HttpsTestServer::Start() {
    int output[2];
    if (pipe(output) != 0) {
        throw std::runtime_error("no pipe for the test server");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    posix_spawn_file_actions_addclose(&actions, output[1]);
    m_server =
        SpawnChild({FindProgram("/usr/bin/python3", "python3"), VANTREL_TEST_SERVER_SCRIPT,
                    "--cert", m_folder.Path("server.pem"), "--key", m_folder.Path("server.key"),
                    "--content", m_content, "--log", m_folder.Path("requests.log")},
                   &actions);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    try {
        if (m_server < 0) {
            throw std::runtime_error("the test server cannot be started");
        }
        const std::string line = ReadFirstLine(output[0]);
        if (std::sscanf(line.c_str(), "https=%d http=%d", &m_httpsPort, &m_httpPort) != 2) {
            throw std::runtime_error("the test server wrote: " + line);
        }
    } catch (...) {
        close(output[0]);
        Stop();
        throw;
    }
    close(output[0]);
}

std::string HttpsTestServer::BaseUrl() const {
    return "https://127.0.0.1:" + std::to_string(m_httpsPort);
}

std::string HttpsTestServer::PlainBaseUrl() const {
    return "http://127.0.0.1:" + std::to_string(m_httpPort);
}

std::string HttpsTestServer::CaBundlePath() const {
    return m_folder.Path("ca.pem");
}

std::vector<HttpsTestServer::Request> HttpsTestServer::Requests() const {
    std::vector<Request> requests;
    std::ifstream log(m_folder.Path("requests.log"));
    std::string line;
    while (std::getline(log, line)) {
        const size_t tab = line.find('\t');
        requests.push_back(
            {line.substr(0, tab), tab == std::string::npos ? std::string() : line.substr(tab + 1)});
    }
    return requests;
}

std::vector<std::string> HttpsTestServer::RequestedPaths() const {
    std::vector<std::string> paths;
    for (const Request& request : Requests()) {
        paths.push_back(request.path);
    }
    return paths;
}
