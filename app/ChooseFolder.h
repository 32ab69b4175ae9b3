#pragma once

#include <string>

// Lets the user pick a folder in the "Select a Directory" dialog, owned by
// the program's main window. `outPath` is emptied first and receives the
// chosen folder's path, without a trailing "/" (except for "/" itself).
// True exactly when `outPath` is not empty: false when the user cancelled or
// the choice is no existing folder.
bool ChooseFolder(std::string& outPath);
