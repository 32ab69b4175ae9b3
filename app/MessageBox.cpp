#include "MessageBox.h"

#include <wx/msgdlg.h>

namespace {

MessageBoxAnswerer& Answerer() {
    static MessageBoxAnswerer answerer;
    return answerer;
}

}  // namespace

int ShowMessageBox(const wxString& text, long style, wxWindow* parent) {
    if (Answerer()) {
        return Answerer()(text, style);
    }
    return wxMessageBox(text, "Vantrel", style, parent);
}

void SetMessageBoxAnswerer(MessageBoxAnswerer answerer) {
    Answerer() = std::move(answerer);
}
