#include <wx/cmndata.h>
#include <wx/generic/printps.h>
#include <wx/print.h>

#include <limits>

#include "CGridPrintout.h"
#include "CSheetGrid.h"

bool CSheetGrid::Print(const wxPrintData& data, bool prompt) {
    CGridPrintout printout(*this);
    wxPrintDialogData dialogData(data);
    if (data.GetPrintMode() == wxPRINT_MODE_FILE && !prompt) {
        // Every page the printout has: it stops after the last one.
        dialogData.SetFromPage(1);
        dialogData.SetToPage(std::numeric_limits<int>::max());
        wxPostScriptPrinter printer(&dialogData);
        return printer.Print(this, &printout, false);
    }
    wxPrinter printer(&dialogData);
    return printer.Print(this, &printout, prompt);
}
