#pragma once

#include <wx/window.h>

#include <string>

// Opens the help file beside `programPath` (its extension replaced by CHM)
// through the desktop, or says that it is missing.
void OpenHelpTopics(const std::string& programPath, wxWindow* owner);
