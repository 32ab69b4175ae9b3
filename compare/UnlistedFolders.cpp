#include "UnlistedFolders.h"

#include "NameList.h"

void UnlistedFolders::Add(Folder folder) {
    m_foldedRelatives.insert(FoldCase(folder.relative));
    m_folders.push_back(std::move(folder));
}

void UnlistedFolders::Clear() {
    m_folders.clear();
    m_foldedRelatives.clear();
}

bool UnlistedFolders::Covers(std::string_view relativeName) const {
    if (m_folders.empty()) {
        return false;
    }
    if (m_foldedRelatives.contains(std::string())) {
        return true;  // the compared folder itself
    }
    // Each folder the name lies in, from the top down, then its own place.
    const std::string folded = FoldCase(relativeName) + "/";
    for (size_t slash = folded.find('/'); slash != std::string::npos;
         slash = folded.find('/', slash + 1)) {
        if (m_foldedRelatives.contains(folded.substr(0, slash + 1))) {
            return true;
        }
    }
    return false;
}
