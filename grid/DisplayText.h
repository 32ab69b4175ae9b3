#pragma once

#include <wx/string.h>

#include <string>

// Cells hold byte strings; only drawing and measuring turn them into text.
// Bytes that are not valid UTF-8 show as replacement characters (U+FFFD),
// one for each bad byte together with the continuation bytes after it, so
// a broken name still shows where it is broken.
wxString ToDisplayText(const std::string& bytes);
