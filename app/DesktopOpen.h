#pragma once

#include <wx/string.h>

// Asks the desktop to open `target`: a link with a scheme ("https://...",
// "mailto:...") in the user's browser or mail program, anything else as a
// file with its application. False when nothing could be started.
bool OpenThroughDesktop(const wxString& target);
