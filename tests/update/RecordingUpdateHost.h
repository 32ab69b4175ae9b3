#pragma once

#include <deque>
#include <string>
#include <vector>

#include "UpdateHost.h"

// Stands in for the update window: records every status text, message and
// question, answers questions from a list (No once it is used up), and
// records what a restart would start.
class RecordingUpdateHost : public UpdateHost {
  public:
    void ShowStatus(const std::string& text) override { statuses.push_back(text); }
    void ShowDownloadStatus(const std::string& text) override { downloadStatuses.push_back(text); }
    bool KeepWaiting() override;
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text) override;
    bool StopRequested() const override { return stopAfterWaits == 0; }
    void SetMainWindowTitle(const std::string& title) override { mainWindowTitle = title; }
    bool StartProgram(const std::string& path) override;
    void CloseMainWindow() override { mainWindowClosed = true; }

    // Answers to the questions, in order.
    std::deque<bool> answers;
    // After this many waits the user asks the check to stop; -1: never.
    int stopAfterWaits = -1;
    bool programStarts = true;

    std::vector<std::string> statuses;
    std::vector<std::string> downloadStatuses;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<std::string> startedPrograms;
    std::string mainWindowTitle;
    bool mainWindowClosed = false;
};
