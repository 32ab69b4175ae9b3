#include "CUpdateCheck.h"

#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "ArchiveInstall.h"
#include "FileBlocks.h"
#include "PathText.h"
#include "Sha256File.h"
#include "TraceLog.h"
#include "UniqueFd.h"

namespace {

constexpr char kAgent[] = "WebGrab demo";
constexpr char kServerFolder[] = "/SoftwareUpdates/Vantrel/Ver1/";
constexpr char kManifestName[] = "Vantrel_Version.txt";

// Reads at most `limit` bytes of the file at `path`; false with the reason
// when it cannot be read.
bool ReadFileText(const std::string& path, std::uint64_t limit, std::string& text,
                  std::string& reason) {
    text.clear();
    const bool read = ReadFileBlocks(path, [&text, limit](std::string_view block) {
        text.append(block);
        return text.size() < limit;
    });
    if (!read) {
        reason = path + ": " + std::strerror(errno);
    }
    return read;
}

// The signature a usable download begins with: a ZIP archive ("PK") or a
// compiled help file ("ITSF").
bool HasArchiveSignature(const std::string& path, std::string& reason) {
    UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    char start[4] = {};
    const ssize_t count = file.IsOpen() ? ::read(file.Get(), start, sizeof start) : -1;
    if (count < 0) {
        reason = path + ": " + std::strerror(errno);
        return false;
    }
    const std::string_view head(start, static_cast<size_t>(count));
    if (head.starts_with("PK") || head == "ITSF") {
        return true;
    }
    reason = "The server sent something other than an update archive.";
    return false;
}

// Whether something can be created in `folder`, found by creating it: this
// holds for a read-only mount and an access list as much as for the
// folder's permission bits.
bool CanCreateIn(const std::string& folder, std::string& reason) {
    std::string probe = folder + ".vantrel-write-check-XXXXXX";
    if (folder.empty() || ::mkdtemp(probe.data()) == nullptr) {
        reason = folder.empty() ? "the system does not tell where it is" : std::strerror(errno);
        return false;
    }
    ::rmdir(probe.c_str());
    return true;
}

bool SamePath(const std::string& a, const std::string& b) {
    return std::filesystem::path(a).lexically_normal() ==
           std::filesystem::path(b).lexically_normal();
}

std::string WithReason(const std::string& message, const std::string& reason) {
    return reason.empty() ? message : message + "\n\n" + reason;
}

}  // namespace

CUpdateCheck::CUpdateCheck(UpdateHost& host, UpdateSettings settings)
    : m_host(host), m_settings(std::move(settings)), m_webGrab(&host, m_settings.limits) {}

CUpdateCheck::~CUpdateCheck() {
    for (const std::string& path : m_downloads) {
        ::unlink(path.c_str());
    }
}

bool CUpdateCheck::CheckForUpdates() {
    m_host.ShowStatus("Connecting to update server...");
    m_strProgramFolder = GetFolderOfPath(m_settings.programPath);
    return ProgramFolderCanBeUpdated() && FetchManifest() && SelectNewerFiles() &&
           DownloadArchives() && InstallArchives() && RestartOrReport();
}

// Updates come only over HTTPS, and only into a folder the user may
// change: a system-wide install is updated the way it was installed.
bool CUpdateCheck::ProgramFolderCanBeUpdated() {
    if (strncasecmp(m_settings.serverAddress.c_str(), "https://", 8) != 0) {
        Fail("ERROR:  The update server address \"" + m_settings.serverAddress +
                 "\" does not begin with https://.",
             "Updates are fetched only over HTTPS. Set the \"Update Server\" key of the "
             "\"Defaults\" section in Vantrel.INI to an https:// address.");
        return false;
    }
    std::string reason;
    if (!CanCreateIn(m_strProgramFolder, reason)) {
        Fail("Vantrel is installed in " + m_strProgramFolder + ", which you cannot change (" +
                 reason + ").",
             "Update it the way it was installed, for example through your system's package "
             "manager.");
        return false;
    }
    return true;
}

bool CUpdateCheck::FetchManifest() {
    bool downloaded = false;
    const std::string path =
        Download(ServerFolderUrl() + kManifestName, m_settings.manifestLimit, downloaded);
    if (!downloaded) {
        if (!m_host.StopRequested()) {
            Fail("ERROR:  Unable to retrieve update information.", DownloadFailure());
        }
        return false;
    }
    m_host.ShowStatus("Checking update info...");
    std::string text;
    std::string reason;
    if (!ReadFileText(path, m_settings.manifestLimit, text, reason)) {
        Fail("ERROR:  Unable to open retrieved update information.", reason);
        return false;
    }
    ParsedManifest manifest = ParseManifest(text);
    switch (manifest.problem) {
        case ManifestProblem::NotAvailable:
            Fail("ERROR:  Update information is not available on the server.", manifest.reason);
            return false;
        case ManifestProblem::Empty:
            Fail("ERROR:  Unable to read retrieved update information.", "");
            return false;
        case ManifestProblem::None:
            break;
    }
    for (ManifestLine& line : manifest.lines) {
        m_candidates.push_back(Candidate{std::move(line), {}, false, {}});
    }
    return true;
}

bool CUpdateCheck::SelectNewerFiles() {
    std::string list;
    for (Candidate& candidate : m_candidates) {
        candidate.localVersion = LocalVersionText(m_strProgramFolder + candidate.line.targetName,
                                                  m_settings.readFileVersion);
        candidate.selected = IsNewerVersion(candidate.line.offeredVersion, candidate.localVersion);
        if (candidate.selected) {
            ++m_nSelected;
            list += candidate.line.targetName + "  Ver." + candidate.line.offeredVersion + "\n";
        }
    }
    if (m_nSelected == 0) {
        m_host.ShowStatus("No update available");
        m_host.ShowMessage("No new versions are available.");
        return false;
    }
    const bool one = m_nSelected == 1;
    m_host.ShowStatus(one ? "New update is available" : "New updates are available");
    const std::string question = "There are updates available for the following:\n\n" + list +
                                 (one ? "\nWould you like to download and install it?"
                                      : "\n\nWould you like to download and install them?");
    return m_host.AskYesNo(question);
}

bool CUpdateCheck::DownloadArchives() {
    m_host.ShowStatus(m_nSelected == 1 ? "Retrieving update..." : "Retrieving updates...");
    size_t tried = 0;
    for (Candidate& candidate : m_candidates) {
        if (!candidate.selected) {
            continue;
        }
        ++tried;
        const std::string reason = FetchArchive(candidate);
        if (reason.empty()) {
            continue;
        }
        if (m_host.StopRequested()) {
            return false;
        }
        const std::string failure =
            "ERROR:  Unable to retrieve update for " + candidate.line.targetName + ".";
        if (tried == m_nSelected) {
            Fail(failure, reason);
            return false;
        }
        if (!m_host.AskYesNo(WithReason(
                failure + "  Would you like to continue with the other updates?", reason))) {
            return false;
        }
        candidate.selected = false;
    }
    return true;
}

std::string CUpdateCheck::FetchArchive(Candidate& candidate) {
    bool downloaded = false;
    candidate.downloadPath = Download(ServerFolderUrl() + candidate.line.archiveName,
                                      m_settings.archiveLimit, downloaded);
    if (!downloaded) {
        return DownloadFailure();
    }
    std::string reason;
    if (!HasArchiveSignature(candidate.downloadPath, reason)) {
        return reason;
    }
    if (candidate.line.sha256 && Sha256OfFile(candidate.downloadPath) != candidate.line.sha256) {
        return "The archive's SHA-256 digest is not the one the update information gives: it "
               "was changed or damaged on its way.";
    }
    return {};
}

bool CUpdateCheck::InstallArchives() {
    m_host.ShowStatus(m_nSelected == 1 ? "Installing new update..." : "Installing new updates...");
    for (const Candidate& candidate : m_candidates) {
        if (!candidate.selected) {
            continue;
        }
        const InstallResult result = InstallArchive(m_strProgramFolder, candidate.line.targetName,
                                                    candidate.localVersion, candidate.downloadPath);
        switch (result.outcome) {
            case InstallOutcome::Installed:
                TraceLog("Update installed: %s version %s", candidate.line.targetName.c_str(),
                         candidate.line.offeredVersion.c_str());
                continue;
            case InstallOutcome::Unreadable:
            case InstallOutcome::Refused:
                Fail("ERROR:  Unable to decompress retrieved update.", result.reason);
                return false;
            case InstallOutcome::Failed:
                Fail("ERROR:  Unable to install the update for " + candidate.line.targetName + ".",
                     result.reason + (result.restored
                                          ? "\n\nEvery file was put back as it was before."
                                          : "\n\nNot every file could be put back as it was."));
                return false;
        }
    }
    return true;
}

bool CUpdateCheck::RestartOrReport() {
    for (const Candidate& candidate : m_candidates) {
        if (candidate.selected &&
            SamePath(m_strProgramFolder + candidate.line.targetName, m_settings.programPath)) {
            m_host.SetMainWindowTitle("Closing");
            if (m_host.StartProgram(m_settings.programPath)) {
                m_host.CloseMainWindow();
            } else {
                m_host.ShowMessage(
                    "Please exit Vantrel and restart it for the new version to take affect.");
            }
            return true;
        }
    }
    m_host.ShowMessage("Updates downloaded/installed successfully.");
    return true;
}

std::string CUpdateCheck::ServerFolderUrl() const {
    std::string base = m_settings.serverAddress;
    while (!base.empty() && base.back() == '/') {
        base.pop_back();
    }
    return base + kServerFolder;
}

// Downloads `url`; the file is removed when the check ends, whatever the
// download's outcome.
std::string CUpdateCheck::Download(const std::string& url, std::uint64_t limit, bool& ok) {
    std::string path;
    ok = m_webGrab.DownloadToTemp(url, path, kAgent, &m_host, limit);
    if (!path.empty()) {
        m_downloads.push_back(path);
    }
    if (!ok) {
        TraceLog("Download of %s failed: %s", url.c_str(), m_webGrab.m_strErrorMessage.c_str());
    }
    return path;
}

// Why the last download failed, as the line under a message that already
// says it is an error.
std::string CUpdateCheck::DownloadFailure() const {
    constexpr std::string_view kErrorMark = "ERROR:  ";
    const std::string& error = m_webGrab.m_strErrorMessage;
    return error.starts_with(kErrorMark) ? error.substr(kErrorMark.size()) : error;
}

void CUpdateCheck::Fail(const std::string& message, const std::string& reason) {
    TraceLog("Update check: %s %s", message.c_str(), reason.c_str());
    m_host.ShowMessage(WithReason(message, reason));
}
