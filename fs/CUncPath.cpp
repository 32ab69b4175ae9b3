#include "CUncPath.h"

#include "COXUNCStandardActor.h"

CUncPath::CUncPath(std::string text)
    : m_pActor(&COXUNCStandardActor::Shared()), m_sFull(std::move(text)) {}

CUncPath::CUncPath(const CUncPath& other) : m_pActor(&COXUNCStandardActor::Shared()) {
    *this = other;
}

CUncPath& CUncPath::operator=(const CUncPath& other) {
    if (this == &other) {
        return *this;
    }
    m_sFull = other.m_sFull;
    m_bFullValid = other.m_bFullValid;
    m_sDirectory = other.m_sDirectory;
    m_sFile = other.m_sFile;
    m_bPartsValid = other.m_bPartsValid;
    m_hrLast = other.m_hrLast;
    return *this;
}

CUncPath& CUncPath::operator=(const std::string& text) {
    m_sFull = text;
    m_bFullValid = true;
    m_bPartsValid = false;
    m_hrLast = 0;
    return *this;
}

const std::string& CUncPath::Full() {
    SyncFull();
    return m_sFull;
}

std::string CUncPath::GetFull() const {
    CUncPath copy(*this);
    return copy.Full();
}

std::string& CUncPath::Directory() {
    SyncParts();
    m_bFullValid = false;
    return m_sDirectory;
}

std::string& CUncPath::File() {
    SyncParts();
    m_bFullValid = false;
    return m_sFile;
}

std::string CUncPath::GetDirectory() const {
    CUncPath copy(*this);
    copy.SyncParts();
    return copy.m_sDirectory;
}

std::string CUncPath::GetFile() const {
    CUncPath copy(*this);
    copy.SyncParts();
    return copy.m_sFile;
}

std::string CUncPath::GetFileSystemName() const {
    CUncPath copy(*this);
    copy.SyncParts();
    std::string name = copy.m_sDirectory;
    if (copy.m_sFile.empty() && name.size() > 1) {
        name.pop_back();
    }
    return name + copy.m_sFile;
}

bool CUncPath::IsEmpty() const {
    if (m_bFullValid) {
        return m_sFull.empty();
    }
    return !m_bPartsValid || (m_sDirectory.empty() && m_sFile.empty());
}

void CUncPath::Empty() {
    m_sFull.clear();
    m_sDirectory.clear();
    m_sFile.clear();
    m_bFullValid = false;
    m_bPartsValid = false;
}

void CUncPath::SetParts(std::string_view directory, std::string_view file) {
    // Assigning in place reuses the strings' storage: a walk sets its path
    // once for every entry.
    m_sDirectory.assign(directory);
    m_sFile.assign(file);
    m_sFull.assign(directory);
    m_sFull.append(file);
    m_bPartsValid = true;
    m_bFullValid = true;
}

void CUncPath::SyncFull() {
    if (m_bFullValid) {
        return;
    }
    if (m_bPartsValid) {
        NormaliseParts();
        m_sFull = m_sDirectory + m_sFile;
    } else {
        m_sFull.clear();
        m_sDirectory.clear();
        m_sFile.clear();
        m_bPartsValid = true;
    }
    m_bFullValid = true;
}

void CUncPath::SyncParts() {
    if (m_bPartsValid) {
        NormaliseParts();
        return;
    }
    if (m_bFullValid) {
        // Everything up to and including the last separator is the
        // directory; the rest is the file part.
        const auto lastSeparator = m_sFull.rfind(GetSeparator());
        if (lastSeparator == std::string::npos) {
            m_sDirectory.clear();
            m_sFile = m_sFull;
        } else {
            m_sDirectory.assign(m_sFull, 0, lastSeparator + 1);
            m_sFile.assign(m_sFull, lastSeparator + 1);
        }
    } else {
        m_sFull.clear();
        m_sDirectory.clear();
        m_sFile.clear();
        m_bFullValid = true;
    }
    m_bPartsValid = true;
}

void CUncPath::NormaliseParts() {
    if (!m_sDirectory.empty() && m_sDirectory.back() != GetSeparator()) {
        m_sDirectory += GetSeparator();
    }
    // A folder name given as the file part moves into the directory.
    if (!m_sFile.empty() && m_sFile.back() == GetSeparator()) {
        m_sDirectory += m_sFile;
        m_sFile.clear();
    }
}
