#pragma once

#include <string>

class CProfile;

// The maker's addresses, set by whoever builds the program (CMake cache
// variables VANTREL_UPDATE_SERVER, VANTREL_WEB_ADDRESS, VANTREL_SALES_EMAIL).

// The update server's base address: the key "Update Server" of the
// "Defaults" section when it is set, else the one the program was built
// with.
std::string UpdateServerAddress(const CProfile& profile);
// The web site the About box links to.
std::string WebSiteAddress();
// The sales e-mail address the About box shows and links to.
std::string SalesEmailAddress();
