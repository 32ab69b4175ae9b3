#include "TextWrap.h"

#include <wx/arrstr.h>

std::vector<wxString> WrapWords(wxDC& dc, const wxString& text, int width) {
    std::vector<wxString> lines;
    for (const wxString& paragraph : wxSplit(text, '\n', '\0')) {
        wxString line;
        for (const wxString& word : wxSplit(paragraph, ' ', '\0')) {
            const wxString longer = line.empty() ? word : line + " " + word;
            if (!line.empty() && dc.GetTextExtent(longer).x > width) {
                lines.push_back(line);
                line = word;
            } else {
                line = longer;
            }
        }
        lines.push_back(line);
    }
    return lines;
}
