#pragma once

#include <csignal>
#include <cstdio>
#include <string>

#include "CCompareEngine.h"
#include "CheckedOutput.h"
#include "CommandLine.h"
#include "CompareHost.h"
#include "ProgressLine.h"

// Runs one compare for vantrel-compare: checks the folders, runs the engine,
// prints each row, the counts and the verdict, and gives the exit status.
// Output that cannot be written ends the run as trouble, with the reason.
class CompareCommand : public CompareHost {
  public:
    static constexpr int kSame = 0;
    static constexpr int kDifferent = 1;
    static constexpr int kTrouble = 2;
    static constexpr int kInterrupted = 130;

    // `interrupted` becomes nonzero when the user asks to stop (Ctrl-C).
    CompareCommand(const CommandLine& line, std::FILE* out, std::FILE* err,
                   const volatile std::sig_atomic_t& interrupted);

    int Run();

    void UpdateData(bool saveAndValidate) override;
    void ShowProgress(bool) override {}
    void SetProgress(int) override {}
    void PumpMessages() override;
    void ShowRow(size_t index, const ResultRow& row, RowStatus status) override;
    void ReportUnlistedFolder(const UnlistedFolders::Folder& folder) override;

  private:
    bool CheckFolder(const std::string& folder);
    void PollInterrupt();

    const CommandLine& m_line;
    CheckedOutput m_output;
    std::FILE* m_err;
    const volatile std::sig_atomic_t& m_interrupted;
    ProgressLine m_progress;
    std::string m_rowText;  // the row being printed
    CCompareEngine m_engine;
};
