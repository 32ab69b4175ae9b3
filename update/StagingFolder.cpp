#include "StagingFolder.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

StagingFolder::StagingFolder(const std::string& parentFolder) {
    std::string path = parentFolder + ".vantrel-update-XXXXXX";
    if (mkdtemp(path.data()) == nullptr) {
        m_error =
            "Unable to make a staging folder in " + parentFolder + ": " + std::strerror(errno);
        return;
    }
    m_path = path + "/";
    for (const std::string& sub : {FilesPath(), AsidePath()}) {
        if (mkdir(sub.c_str(), 0700) != 0) {
            m_error = sub + ": " + std::strerror(errno);
            return;
        }
    }
    m_filesFd =
        UniqueFd(open(FilesPath().c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!m_filesFd.IsOpen()) {
        m_error = FilesPath() + ": " + std::strerror(errno);
    }
}

StagingFolder::~StagingFolder() {
    m_filesFd.Close();
    if (!m_path.empty() && !m_kept) {
        // Links inside are removed, never followed.
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
}
