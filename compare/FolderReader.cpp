#include "FolderReader.h"

#include <dirent.h>
#include <limits.h>

#include <cerrno>
#include <memory>

#include "COXUNCStandardActor.h"
#include "PhysicalPath.h"
#include "TemporaryFile.h"

namespace {

struct DirCloser {
    void operator()(DIR* directory) const { closedir(directory); }
};

}  // namespace

void FolderReader::Read(const Handover& handover) {
    const std::string& path = m_folder.path;
    // Files further down could be listed through the open folder, but no
    // one could open them by their paths afterwards.
    if (path.size() >= PATH_MAX) {
        Note(path, ENAMETOOLONG);
        handover(m_contents, true);
        return;
    }
    const std::unique_ptr<DIR, DirCloser> directory(opendir(path.c_str()));
    if (!directory) {
        Note(path, errno);
        handover(m_contents, true);
        return;
    }
    const int directoryFd = dirfd(directory.get());
    FindData entry;
    for (;;) {
        errno = 0;
        const dirent* read = readdir(directory.get());
        if (read == nullptr) {
            Note(path, errno);
            break;
        }
        if (!DescribeEntry(directoryFd, *read, COXUNCStandardActor::Scan::ListEntries, entry) ||
            entry.IsDotEntry()) {
            continue;
        }
        if (entry.statusError != 0) {
            // A link that cannot be followed leaves only its own place
            // unknown; any other entry, its folder.
            Note(entry.isLink ? path + entry.name + "/" : path, entry.statusError);
        } else if (entry.IsDirectory()) {
            if (m_recurse) {
                AddSubfolder(entry.name, entry.isLink);
            }
        } else if (!TemporaryFile::IsTemporaryName(entry.name) && TakesFile(entry.name)) {
            m_contents.files.push_back(CFileStatus::FromStat(path + entry.name, entry.status));
            if (m_contents.files.size() >= kFilesPerPart) {
                if (!handover(m_contents, false)) {
                    return;
                }
                m_contents.files.clear();
            }
        }
    }
    handover(m_contents, true);
}

void FolderReader::Note(const std::string& folder, int error) {
    if (error != 0) {
        m_contents.notes.push_back({folder, error});
    }
}

std::string FolderReader::RelativeName(const std::string& name) const {
    return m_folder.path.substr(m_rootLength) + name;
}

bool FolderReader::TakesFile(const std::string& name) const {
    return m_filter == nullptr || m_filter->TakesFile(RelativeName(name), m_folder.included);
}

// An excluded folder is left before anything of it is looked at.
void FolderReader::AddSubfolder(const std::string& name, bool isLink) {
    bool included = m_folder.included;
    if (m_filter != nullptr) {
        const std::string relative = RelativeName(name);
        if (!m_filter->EntersFolder(relative)) {
            return;
        }
        included = included || m_filter->IncludesFolder(relative);
    }
    std::string subfolder = m_folder.path + name + "/";
    std::string physical;
    if (isLink) {
        physical = ResolvePhysicalPath(subfolder);
        if (physical.empty()) {
            m_contents.subfolders.push_back({nullptr, {std::move(subfolder), errno}});
            return;
        }
        if (m_folder.LeadsBackIntoChain(physical)) {
            return;
        }
    } else {
        const std::string& above = m_folder.physicalPath;
        physical = above + (above == "/" ? "" : "/") + name;
    }
    auto below =
        std::make_unique<ListedFolder>(std::move(subfolder), std::move(physical), &m_folder);
    below->included = included;
    m_contents.subfolders.push_back({std::move(below), {}});
}
