#pragma once

#include <wx/string.h>
#include <wx/window.h>

#include <functional>

// The program's message boxes, captioned "Vantrel". `style` takes wxOK or
// wxYES_NO (with an icon flag); the answer is wxOK, wxYES or wxNO.
int ShowMessageBox(const wxString& text, long style, wxWindow* parent = nullptr);

// Who answers message boxes instead of the user: tests install one that
// records the text and gives a fixed answer. An empty function restores
// the real message box.
using MessageBoxAnswerer = std::function<int(const wxString& text, long style)>;
void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);
