#include "ProductAddresses.h"

#include "CProfile.h"

std::string UpdateServerAddress(const CProfile& profile) {
    const std::string configured = profile.GetProfileString("Defaults", "Update Server", "");
    return configured.empty() ? VANTREL_UPDATE_SERVER : configured;
}

std::string WebSiteAddress() {
    return VANTREL_WEB_ADDRESS;
}

std::string SalesEmailAddress() {
    return VANTREL_SALES_EMAIL;
}
