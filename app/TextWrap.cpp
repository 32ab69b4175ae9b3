#include "TextWrap.h"

#include <wx/tokenzr.h>

namespace {

// Appends the lines of one paragraph (text without "\n").
void WrapParagraph(const wxDC& dc, wxString paragraph, int maxWidth, std::vector<wxString>& lines) {
    paragraph.Replace("\r", "");
    if (maxWidth <= 0) {
        lines.push_back(paragraph);
        return;
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

}  // namespace

std::vector<wxString> WrapText(const wxDC& dc, const wxString& text, int maxWidth) {
    std::vector<wxString> lines;
    size_t start = 0;
    for (size_t end = text.find('\n'); end != wxString::npos; end = text.find('\n', start)) {
        WrapParagraph(dc, text.substr(start, end - start), maxWidth, lines);
        start = end + 1;
    }
    WrapParagraph(dc, text.substr(start), maxWidth, lines);
    return lines;
}
