#pragma once

#include <functional>
#include <string>
#include <vector>

#include "CCompareEngine.h"
#include "CompareHost.h"

// A host that records what the engine shows, and can press Abort when a
// status text begins with a given prefix.
class RecordingHost : public CompareHost {
  public:
    struct Row {
        ResultRow row;
        RowStatus status;
    };

    RecordingHost() : engine(*this) {}

    // Sets both folders (each given a trailing "/") and runs one compare.
    bool Compare(const std::string& left, const std::string& right, bool recurse = true);
    void AbortWhenStatusStartsWith(std::string prefix) { m_abortPrefix = std::move(prefix); }
    // The status texts shown that begin with `prefix`.
    std::vector<std::string> StatusesStartingWith(const std::string& prefix) const;
    RowStatus StatusOf(const std::string& leftName) const;

    void UpdateData(bool saveAndValidate) override;
    void ShowProgress(bool) override {}
    void SetProgress(int percent) override { progress.push_back(percent); }
    void PumpMessages() override;
    void ShowRow(size_t index, const ResultRow& row, RowStatus status) override;
    void ReportUnlistedFolder(const UnlistedFolders::Folder& folder) override {
        unlisted.push_back(folder);
    }

    CCompareEngine engine;
    std::vector<std::string> statuses;
    std::vector<int> progress;
    std::vector<Row> rows;
    std::vector<UnlistedFolders::Folder> unlisted;
    size_t pumps = 0;
    // Runs at every event pump, as the user's input would.
    std::function<void()> onPump;

  private:
    std::string m_abortPrefix;
};
