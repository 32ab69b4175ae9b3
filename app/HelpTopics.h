#pragma once

#include <wx/window.h>

#include <string>

// Opens the help file beside `programPath` (its extension replaced by CHM)
// and returns without waiting for the viewer: the desktop opens it when it
// has a viewer registered for help files, else xchm does. A message says
// so when the file is missing or there is no viewer.
void OpenHelpTopics(const std::string& programPath, wxWindow* owner);
