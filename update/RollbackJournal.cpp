#include "RollbackJournal.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "SystemCalls.h"

bool RollbackJournal::Rename(const std::string& from, const std::string& to) {
    if (SystemCalls::Current().Rename(from.c_str(), to.c_str()) != 0) {
        return false;
    }
    m_changes.push_back({from, to});
    return true;
}

bool RollbackJournal::MakeFolder(const std::string& path) {
    if (mkdir(path.c_str(), 0777) != 0) {
        return false;
    }
    m_changes.push_back({"", path});
    return true;
}

std::string RollbackJournal::RollBack() {
    std::string notRestored;
    for (auto change = m_changes.rbegin(); change != m_changes.rend(); ++change) {
        const bool undone =
            change->from.empty()
                ? rmdir(change->to.c_str()) == 0
                : SystemCalls::Current().Rename(change->to.c_str(), change->from.c_str()) == 0;
        if (!undone) {
            const std::string what = change->from.empty()
                                         ? "remove the folder " + change->to
                                         : "move " + change->to + " back to " + change->from;
            notRestored += (notRestored.empty() ? "Unable to " : "; unable to ") + what + ": " +
                           std::strerror(errno);
        }
    }
    m_changes.clear();
    return notRestored;
}
