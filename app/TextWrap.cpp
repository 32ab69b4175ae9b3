#include "TextWrap.h"

#include <wx/tokenzr.h>

std::vector<wxString> WrapText(const wxDC& dc, const wxString& text, int maxWidth) {
    std::vector<wxString> lines;
    wxStringTokenizer paragraphs(text, "\n", wxTOKEN_RET_EMPTY_ALL);
    while (paragraphs.HasMoreTokens()) {
        wxString paragraph = paragraphs.GetNextToken();
        paragraph.Replace("\r", "");
        if (maxWidth <= 0) {
            lines.push_back(paragraph);
            continue;
        }
        wxString line;
        wxStringTokenizer words(paragraph, " ", wxTOKEN_STRTOK);
        while (words.HasMoreTokens()) {
            const wxString word = words.GetNextToken();
            const wxString longer = line.empty() ? word : line + " " + word;
            if (line.empty() || dc.GetTextExtent(longer).x <= maxWidth) {
                line = longer;
            } else {
                lines.push_back(line);
                line = word;
            }
        }
        lines.push_back(line);
    }
    return lines;
}
