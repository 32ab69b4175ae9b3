#pragma once

#include <wx/window.h>

#include <functional>
#include <string>

#include "DesktopOpen.h"

// Opens the help file beside `programPath` (its extension replaced by CHM)
// with `open` (the desktop's viewer), or says that it is missing.
void OpenHelpTopics(const std::string& programPath, wxWindow* owner,
                    const std::function<bool(const wxString&)>& open = OpenThroughDesktop);
