#pragma once

#include <functional>
#include <string>

class CCompareDlg;

// Starts wxWidgets on the display (run under xvfb-run), opens the main
// window with its settings in `settingsFile`, runs `body` with it and closes
// it. The exit status for main: 0, or 2 when there is no display.
int RunWithMainWindow(int argc, char** argv, const std::string& settingsFile,
                      const std::function<void(CCompareDlg&)>& body);

// Sets the window's two folders (ending in "/") for the next compare.
void SetFolders(CCompareDlg& window, const std::string& left, const std::string& right,
                bool recurse);
// Sets the window's two folders and runs one compare.
void CompareInWindow(CCompareDlg& window, const std::string& left, const std::string& right,
                     bool recurse);
