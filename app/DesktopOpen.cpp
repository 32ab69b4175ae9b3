#include "DesktopOpen.h"

#include <wx/regex.h>
#include <wx/utils.h>

bool OpenThroughDesktop(const wxString& target) {
    static const wxRegEx scheme("^[A-Za-z][A-Za-z0-9+.-]*:");
    return scheme.Matches(target) ? wxLaunchDefaultBrowser(target)
                                  : wxLaunchDefaultApplication(target);
}
