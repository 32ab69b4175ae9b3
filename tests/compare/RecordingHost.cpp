#include "RecordingHost.h"

#include <stdexcept>

bool RecordingHost::Compare(const std::string& left, const std::string& right, bool recurse) {
    engine.m_strLeftFolder = left + "/";
    engine.m_strRightFolder = right + "/";
    engine.m_bRecurse = recurse;
    statuses.clear();
    rows.clear();
    unlisted.clear();
    return engine.Run();
}

std::vector<std::string> RecordingHost::StatusesStartingWith(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const auto& status : statuses) {
        if (status.starts_with(prefix)) {
            found.push_back(status);
        }
    }
    return found;
}

RowStatus RecordingHost::StatusOf(const std::string& leftName) const {
    for (const auto& [row, status] : rows) {
        if (row.szLeftName == leftName) {
            return status;
        }
    }
    throw std::runtime_error("no row for " + leftName);
}

void RecordingHost::UpdateData(bool saveAndValidate) {
    if (saveAndValidate) {
        return;
    }
    statuses.push_back(engine.m_strStatus);
    if (!m_abortPrefix.empty() && engine.m_strStatus.starts_with(m_abortPrefix)) {
        engine.m_bAbort = true;
        m_abortPrefix.clear();
    }
}

void RecordingHost::PumpMessages() {
    ++pumps;
    if (onPump) {
        onPump();
    }
}

void RecordingHost::ShowRow(size_t index, const ResultRow& row, RowStatus status) {
    if (index != rows.size()) {
        throw std::runtime_error("rows shown out of order");
    }
    rows.push_back({row, status});
}
