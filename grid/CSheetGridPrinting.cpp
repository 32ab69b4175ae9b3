#include <wx/cmndata.h>
#include <wx/generic/printps.h>
#include <wx/print.h>

#include "CGridPrintout.h"
#include "CSheetGrid.h"

bool CSheetGrid::Print(const wxPrintData& data, bool prompt) {
    CGridPrintout printout(*this);
    wxPrintDialogData dialogData(data);
    if (data.GetPrintMode() == wxPRINT_MODE_FILE && !prompt) {
        wxPostScriptPrinter printer(&dialogData);
        return printer.Print(this, &printout, false);
    }
    wxPrinter printer(&dialogData);
    return printer.Print(this, &printout, prompt);
}
