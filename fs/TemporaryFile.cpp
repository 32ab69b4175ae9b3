#include "TemporaryFile.h"

#include <sys/file.h>

#include <algorithm>
#include <cerrno>

#include "InterruptedCopyCleanup.h"
#include "PathText.h"
#include "SystemCalls.h"

namespace {

constexpr std::string_view kNamePrefix = ".vantrel-";
constexpr std::string_view kRandomPart = "XXXXXX";  // filled in by mkostemp

bool IsLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

bool TemporaryFile::IsTemporaryName(std::string_view name) {
    return name.size() == kNamePrefix.size() + kRandomPart.size() &&
           name.starts_with(kNamePrefix) &&
           std::all_of(name.begin() + kNamePrefix.size(), name.end(), IsLetterOrDigit);
}

TemporaryFile::TemporaryFile(const std::string& target) {
    const std::string folder = GetFolderOfPath(target);
    m_path = (folder.empty() ? std::string("./") : folder);
    m_path += kNamePrefix;
    m_path += kRandomPart;
    m_fd = UniqueFd(InterruptedCopyCleanup::CreateNotedFile(m_path));
    if (!m_fd.IsOpen()) {
        m_error = errno;
        return;
    }
    // Held until the file is closed: another program's sweep of stale
    // temporary files leaves a file in use alone.
    flock(m_fd.Get(), LOCK_EX | LOCK_NB);
}

TemporaryFile::~TemporaryFile() {
    m_fd.Close();
    if (m_error != 0) {
        return;
    }
    // Removed before it is forgotten, so that no moment is left in which a
    // signal would leave it behind.
    if (!m_bCommitted) {
        SystemCalls::Current().Unlink(m_path.c_str());
    }
    InterruptedCopyCleanup::Forget();
}

bool TemporaryFile::Commit(const std::string& target) {
    m_bCommitted = SystemCalls::Current().Rename(m_path.c_str(), target.c_str()) == 0;
    if (m_bCommitted) {
        InterruptedCopyCleanup::Forget();
    }
    return m_bCommitted;
}
