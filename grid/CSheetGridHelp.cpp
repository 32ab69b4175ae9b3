#include <wx/cshelp.h>
#include <wx/helpbase.h>

#include "CSheetGrid.h"

bool CSheetGrid::ShowHelpForCell(int column, int row, int section) {
    const int context = GetHelpContext(column, row, section);
    if (context == 0) {
        return false;
    }
    ShowHelp(context);
    return true;
}

void CSheetGrid::ShowHelp(int context) {
    auto* provider = dynamic_cast<wxHelpControllerHelpProvider*>(wxHelpProvider::Get());
    if (provider != nullptr && provider->GetHelpController() != nullptr) {
        provider->GetHelpController()->DisplaySection(context);
    }
}
