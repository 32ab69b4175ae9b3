#include "ListedFolder.h"

#include <cerrno>
#include <unordered_set>

#include "PhysicalPath.h"

namespace {

// Gathers the places of the files and the failures of a folder tree in
// walking order.
class Flattener {
  public:
    Flattener(std::vector<size_t>& places, std::vector<ListedFolder::Unlisted>& unlisted)
        : m_places(places), m_unlisted(unlisted) {}

    void Take(const ListedFolder& folder) {
        for (const ListedFolder::Unlisted& note : folder.notes) {
            Note(note);
        }
        for (const auto& [first, count] : folder.fileRuns) {
            for (size_t place = first; place < first + count; ++place) {
                m_places.push_back(place);
            }
        }
        for (const ListedFolder::Subfolder& below : folder.subfolders) {
            if (below.folder) {
                Take(*below.folder);
            } else {
                Note(below.note);
            }
        }
    }

  private:
    // A folder missing altogether is simply empty; any other failure is
    // noted once, however often the walk meets it.
    void Note(const ListedFolder::Unlisted& note) {
        if (note.error != 0 && note.error != ENOENT && m_noted.insert(note.folder).second) {
            m_unlisted.push_back(note);
        }
    }

    std::vector<size_t>& m_places;
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

void ListedFolder::Flatten(std::vector<size_t>& places, std::vector<Unlisted>& unlisted) const {
    Flattener(places, unlisted).Take(*this);
}
