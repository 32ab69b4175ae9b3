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
    void PumpMessages() override { ++pumps; }
    void ShowRow(size_t index, const ResultRow& row, RowStatus status) override;

    CCompareEngine engine;
    std::vector<std::string> statuses;
    std::vector<int> progress;
    std::vector<Row> rows;
    size_t pumps = 0;

  private:
    std::string m_abortPrefix;
};
