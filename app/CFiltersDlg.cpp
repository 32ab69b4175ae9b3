#include "CFiltersDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "DisplayText.h"
#include "MessageBox.h"
#include "PathPattern.h"

namespace {

constexpr char kSyntax[] =
    "One pattern a line, matched against the path inside the compared folder:\n"
    "*  any run within a name     ?  one character     [a-z]  one of a class\n"
    "**/  any folders     name/  folders only     /name  only at the top\n"
    "Without Include patterns every file is included; Exclude wins over Include.\n"
    "Lines beginning with # are comments.";

wxString JoinLines(const std::vector<std::string>& lines) {
    wxString text;
    for (const std::string& line : lines) {
        text += ToDisplayText(line) + "\n";
    }
    return text;
}

}  // namespace

CFiltersDlg::CFiltersDlg(wxWindow* parent, const FilterPatterns& patterns)
    : wxDialog(parent, wxID_ANY, "Filters", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_original(patterns) {
    auto* lists = new wxBoxSizer(wxHORIZONTAL);
    const auto addList = [&](const char* label, int id, const std::vector<std::string>& lines) {
        auto* column = new wxBoxSizer(wxVERTICAL);
        column->Add(new wxStaticText(this, wxID_ANY, label), 0, wxBOTTOM, FromDIP(4));
        auto* edit = new wxTextCtrl(this, id, JoinLines(lines), wxDefaultPosition,
                                    FromDIP(wxSize(260, 200)), wxTE_MULTILINE | wxTE_DONTWRAP);
        column->Add(edit, 1, wxEXPAND);
        lists->Add(column, 1, wxEXPAND | wxALL, FromDIP(8));
        return edit;
    };
    m_pInclude = addList("&Include", IDC_INCLUDE, patterns.include);
    m_pExclude = addList("&Exclude", IDC_EXCLUDE, patterns.exclude);

    auto* whole = new wxBoxSizer(wxVERTICAL);
    whole->Add(lists, 1, wxEXPAND);
    whole->Add(new wxStaticText(this, wxID_ANY, kSyntax), 0, wxLEFT | wxRIGHT, FromDIP(8));
    whole->Add(CreateSeparatedButtonSizer(wxOK | wxCANCEL), 0, wxEXPAND | wxALL, FromDIP(8));
    SetSizerAndFit(whole);
    CentreOnParent();
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); }, wxID_OK);
}

FilterPatterns CFiltersDlg::Patterns() const {
    // A pattern that is not valid UTF-8 shows with replacement characters:
    // a list left as shown keeps its bytes.
    const auto read = [](const wxTextCtrl& edit, const std::vector<std::string>& original) {
        return edit.GetValue() == JoinLines(original)
                   ? original
                   : PatternLines(std::string(edit.GetValue().utf8_str()));
    };
    return {read(*m_pInclude, m_original.include), read(*m_pExclude, m_original.exclude)};
}

void CFiltersDlg::OnOk() {
    std::vector<std::string> errors;
    Patterns().MakeFilter(errors);
    if (!errors.empty()) {
        ShowMessageBox(ToDisplayText(errors.front()), wxOK | wxICON_ERROR, this);
        return;
    }
    EndModal(wxID_OK);
}
