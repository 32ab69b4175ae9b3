#pragma once

#include <cstddef>

#include "ResultRow.h"
#include "RowStatus.h"
#include "UnlistedFolders.h"

// What the comparison engine needs of whoever runs it (the main window, the
// command-line tool, a test): showing progress, letting the user interface
// breathe between items, and receiving each classified row. The abort flag
// is the engine's own member; a host sets it, typically from PumpMessages.
class CompareHost {
  public:
    virtual ~CompareHost() = default;

    // true: take the user's input into the engine's members; false: show the
    // members (the status text) to the user.
    virtual void UpdateData(bool saveAndValidate) = 0;
    virtual void ShowProgress(bool show) = 0;
    virtual void SetProgress(int percent) = 0;
    // Delivers pending user-interface events, then runs idle processing.
    virtual void PumpMessages() = 0;
    // Row `index` was classified as `status`.
    virtual void ShowRow(size_t index, const ResultRow& row, RowStatus status) = 0;
    // `folder` could not be listed whole: the compare is incomplete.
    virtual void ReportUnlistedFolder(const UnlistedFolders::Folder& folder) = 0;
};
