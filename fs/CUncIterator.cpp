#include "CUncIterator.h"

#include <cerrno>
#include <memory>

#include "PhysicalPath.h"

namespace {

constexpr const char* kAllNames = "*.*";

}  // namespace

CUncIterator::CUncIterator(std::string text) : CUncPath(std::move(text)) {}

CUncIterator::CUncIterator(const CUncPath& path) : CUncPath(path) {}

CUncIterator::~CUncIterator() {
    End();
}

bool CUncIterator::Start(bool includeFiles, bool includeDirs, bool recursive, bool depthFirst) {
    bIncludeFiles = includeFiles;
    bIncludeDirs = includeDirs;
    bRecursive = recursive;
    bDepthFirst = depthFirst;
    m_hrLast = kResultOk;
    CloseSearch(m_hFind);
    while (!m_dirStack.empty()) {
        PopScan();
    }
    m_unlisted.clear();
    m_noted.clear();
    if (IsEmpty()) {
        m_hrLast = ResultFromErrno(ENOENT);
        return false;
    }
    m_searchSpec = static_cast<const CUncPath&>(*this);
    m_bWalking = true;
    if (bRecursive && bDepthFirst) {
        const std::string start = m_searchSpec.GetDirectory();
        PushScan(start, ResolvePhysicalPath(start.empty() ? "." : start));
        std::string first = NextDirectory();
        if (!first.empty()) {
            m_searchSpec.Directory() = std::move(first);
        }
    }
    return Next();
}

bool CUncIterator::Next() {
    if (!m_bWalking) {
        return false;
    }
    for (;;) {
        if (m_hFind == nullptr) {
            m_hrLast = m_pActor->FindFirst(m_searchSpec, m_hFind, m_findData,
                                           COXUNCStandardActor::Scan::ListEntries);
        } else {
            m_hrLast = m_pActor->FindNext(m_hFind, m_findData);
        }
        if (m_hrLast < 0) {
            NoteUnlisted(m_searchSpec.GetDirectory(), m_hrLast);
            if (!bRecursive) {
                FinishWalk();
                break;
            }
            std::string directory = NextDirectory();
            if (directory.empty()) {
                FinishWalk();
                break;
            }
            CloseSearch(m_hFind);
            m_searchSpec.Directory() = std::move(directory);
            continue;
        }
        NoteUnlistedEntry(m_searchSpec, m_findData);
        if (Accepts(m_findData)) {
            StandOn(m_findData);
            break;
        }
    }
    return m_hrLast >= 0;
}

CUncIterator CUncIterator::operator++(int) {
    const CUncPath previous(static_cast<const CUncPath&>(*this));
    Next();
    return CUncIterator(previous);
}

bool CUncIterator::End() {
    m_hrLast = kResultOk;
    CloseSearch(m_hFind);
    while (!m_dirStack.empty()) {
        PopScan();
    }
    m_bWalking = false;
    return m_hrLast >= 0;
}

std::string CUncIterator::NextDirectory() {
    if (m_dirStack.empty()) {
        if (bDepthFirst) {
            return {};
        }
        const std::string start = m_searchSpec.GetDirectory();
        PushScan(start, ResolvePhysicalPath(start.empty() ? "." : start));
    }
    FindData entry;
    for (;;) {
        DirScan& scan = m_dirStack.back();
        if (scan.handle == nullptr) {
            m_hrLast = m_pActor->FindFirst(scan.path, scan.handle, entry,
                                           COXUNCStandardActor::Scan::FindSubfolders);
        } else {
            m_hrLast = m_pActor->FindNext(scan.handle, entry);
        }
        if (m_hrLast < 0) {
            NoteUnlisted(scan.path.GetDirectory(), m_hrLast);
            if (bDepthFirst) {
                std::string finished = scan.path.GetDirectory();
                PopScan();
                return finished;
            }
            PopScan();
            if (m_dirStack.empty()) {
                return {};
            }
            continue;
        }
        NoteUnlistedEntry(scan.path, entry);
        if (entry.IsDotEntry() || !entry.IsDirectory()) {
            continue;
        }
        std::string subfolder = scan.path.GetDirectory() + entry.name + GetSeparator();
        std::string physical;
        if (entry.isLink) {
            physical = ResolvePhysicalPath(subfolder);
            if (physical.empty()) {
                NoteUnlisted(subfolder, ResultFromErrno(errno));
                continue;
            }
            if (LeadsBackIntoChain(physical)) {
                continue;
            }
        } else {
            physical = scan.physicalPath + (scan.physicalPath == "/" ? "" : "/") + entry.name;
        }
        PushScan(subfolder, std::move(physical));
        if (!bDepthFirst) {
            return subfolder;
        }
    }
}

void CUncIterator::PushScan(std::string directory, std::string physicalPath) {
    DirScan scan;
    scan.path.SetParts(directory, kAllNames);
    scan.physicalPath = std::move(physicalPath);
    m_dirStack.push_back(std::move(scan));
}

void CUncIterator::PopScan() {
    CloseSearch(m_dirStack.back().handle);
    m_dirStack.pop_back();
}

void CUncIterator::CloseSearch(FindHandle& handle) {
    if (handle == nullptr) {
        return;
    }
    const HResult closed = m_pActor->FindClose(handle);
    if (closed < 0) {
        m_hrLast = closed;
    }
    handle = nullptr;
}

bool CUncIterator::LeadsBackIntoChain(const std::string& physicalPath) const {
    for (const DirScan& scan : m_dirStack) {
        if (!scan.physicalPath.empty() && IsSameOrAncestorPath(physicalPath, scan.physicalPath)) {
            return true;
        }
    }
    return false;
}

bool CUncIterator::Accepts(const FindData& entry) const {
    if (entry.IsDotEntry() || entry.statusError != 0) {
        return false;
    }
    if (!bIncludeFiles && !entry.IsDirectory()) {
        return false;
    }
    if (!bIncludeDirs && entry.IsDirectory()) {
        return false;
    }
    return true;
}

void CUncIterator::NoteUnlisted(const std::string& folder, HResult result) {
    const int error = ErrnoFromResult(result);
    if (result == kNoMoreFiles || error == 0 || error == ENOENT) {
        return;
    }
    // Both scans of a folder, and each of its unreadable entries, meet the
    // same failure: it is noted once.
    if (m_noted.insert(folder).second) {
        m_unlisted.push_back({folder, error});
    }
}

// An entry that exists but whose status cannot be read leaves its folder
// listed only in part; a link that cannot be followed leaves only its own
// place unknown.
// `search` lists the entry's folder; its text is made only when needed, as
// this runs for every entry.
void CUncIterator::NoteUnlistedEntry(const CUncPath& search, const FindData& entry) {
    if (entry.statusError == 0) {
        return;
    }
    const std::string folder = search.GetDirectory();
    NoteUnlisted(entry.isLink ? folder + entry.name + GetSeparator() : folder,
                 ResultFromErrno(entry.statusError));
}

void CUncIterator::StandOn(const FindData& entry) {
    const std::string& directory = m_searchSpec.Directory();
    if (entry.IsDirectory()) {
        SetParts(directory + entry.name + GetSeparator(), {});
    } else {
        SetParts(directory, entry.name);
    }
}

void CUncIterator::FinishWalk() {
    Empty();
    CloseSearch(m_hFind);
    m_bWalking = false;
}
