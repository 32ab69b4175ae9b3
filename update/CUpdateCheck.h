#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "CWebGrab.h"
#include "UpdateHost.h"
#include "UpdateManifest.h"
#include "VersionRules.h"

// Where updates come from and what they may cost.
struct UpdateSettings {
    // The update server's base address; only https:// is accepted.
    std::string serverAddress;
    // The running program file; its folder is the one updated.
    std::string programPath;
    FileVersionReader readFileVersion;
    TransferLimits limits;
    std::uint64_t manifestLimit = std::uint64_t{1} << 20;
    std::uint64_t archiveLimit = std::uint64_t{512} << 20;
};

// The whole update check: fetches the update information, works out which
// files of the installation are older than offered, asks the user, fetches
// one archive per file, installs them with a backup of each replaced file,
// and restarts the program when its own file was replaced. Talks to the
// user only through its host. Every file it downloads is removed when it
// ends, however it ends.
class CUpdateCheck {
  public:
    CUpdateCheck(UpdateHost& host, UpdateSettings settings);
    ~CUpdateCheck();
    CUpdateCheck(const CUpdateCheck&) = delete;
    CUpdateCheck& operator=(const CUpdateCheck&) = delete;

    // True when the install ran to its end, false when the check stopped
    // earlier.
    bool CheckForUpdates();

  private:
    // One line of the update information with what the check learns of it.
    struct Candidate {
        ManifestLine line;
        std::string localVersion;
        bool selected = false;
        std::string downloadPath;
    };

    bool ProgramFolderCanBeUpdated();
    bool FetchManifest();
    bool SelectNewerFiles();
    bool DownloadArchives();
    // Empty when the archive of `candidate` arrived whole and sound; else why not.
    std::string FetchArchive(Candidate& candidate);
    bool InstallArchives();
    bool RestartOrReport();

    std::string ServerFolderUrl() const;
    std::string Download(const std::string& url, std::uint64_t limit, bool& ok);
    std::string DownloadFailure() const;
    void Fail(const std::string& message, const std::string& reason);

    UpdateHost& m_host;
    UpdateSettings m_settings;
    std::string m_strProgramFolder;
    CWebGrab m_webGrab;
    std::vector<Candidate> m_candidates;
    size_t m_nSelected = 0;
    std::vector<std::string> m_downloads;
};
