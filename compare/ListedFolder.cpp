#include "ListedFolder.h"

#include <cerrno>
#include <unordered_set>

#include "PhysicalPath.h"

namespace {

// Gathers the files and failures of a folder tree in walking order.
class Flattener {
  public:
    Flattener(std::vector<CFileStatus>& files, std::vector<ListedFolder::Unlisted>& unlisted)
        : m_files(files), m_unlisted(unlisted) {}

    void Take(ListedFolder& folder) {
        for (ListedFolder::Unlisted& note : folder.notes) {
            Note(std::move(note));
        }
        folder.notes = {};
        std::move(folder.files.begin(), folder.files.end(), std::back_inserter(m_files));
        folder.files = {};
        for (ListedFolder::Subfolder& below : folder.subfolders) {
            if (below.folder) {
                Take(*below.folder);
            } else if (below.note.error != 0) {
                Note(std::move(below.note));
                below.note.error = 0;
            }
        }
    }

  private:
    // A folder missing altogether is simply empty; any other failure is
    // noted once, however often the walk meets it.
    void Note(ListedFolder::Unlisted note) {
        if (note.error != 0 && note.error != ENOENT && m_noted.insert(note.folder).second) {
            m_unlisted.push_back(std::move(note));
        }
    }

    std::vector<CFileStatus>& m_files;
    std::vector<ListedFolder::Unlisted>& m_unlisted;
    std::unordered_set<std::string> m_noted;
};

}  // namespace

bool ListedFolder::LeadsBackIntoChain(const std::string& physical) const {
    for (const ListedFolder* folder = this; folder != nullptr; folder = folder->parent) {
        if (!folder->physicalPath.empty() && IsSameOrAncestorPath(physical, folder->physicalPath)) {
            return true;
        }
    }
    return false;
}

void ListedFolder::Flatten(std::vector<CFileStatus>& filesOut, std::vector<Unlisted>& unlisted) {
    filesOut.reserve(filesOut.size() + CountFiles());
    Flattener(filesOut, unlisted).Take(*this);
}

size_t ListedFolder::CountFiles() const {
    size_t count = files.size();
    for (const Subfolder& below : subfolders) {
        if (below.folder) {
            count += below.folder->CountFiles();
        }
    }
    return count;
}
