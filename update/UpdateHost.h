#pragma once

#include <string>

#include "CWebGrab.h"

// What the update check needs from the window it runs in: a status line,
// message boxes, the download's texts and a wait that keeps the window
// responsive, and the main window for a restart.
class UpdateHost : public DownloadStatusWindow, public DownloadWait {
  public:
    // The dialog's status line.
    virtual void ShowStatus(const std::string& text) = 0;
    // A message with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    // True once the user asked the check to stop (it then ends without
    // further messages).
    virtual bool StopRequested() const = 0;
    virtual void SetMainWindowTitle(const std::string& title) = 0;
    // Starts the program file at `path` with the program's own arguments;
    // false when it could not be started.
    virtual bool StartProgram(const std::string& path) = 0;
    // Has the main window close once the check is over.
    virtual void CloseMainWindow() = 0;
};
