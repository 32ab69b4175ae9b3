#include "PermissionChecksApply.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <stdexcept>

namespace {

struct Capabilities {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
};

Capabilities Current() {
    Capabilities capabilities;
    if (syscall(SYS_capget, &capabilities.header, capabilities.data) != 0) {
        throw std::runtime_error("capget failed");
    }
    return capabilities;
}

void Set(Capabilities& capabilities) {
    if (syscall(SYS_capset, &capabilities.header, capabilities.data) != 0) {
        throw std::runtime_error("capset failed");
    }
}

constexpr uint32_t kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

}  // namespace

PermissionChecksApply::PermissionChecksApply() {
    Capabilities capabilities = Current();
    m_effective = capabilities.data[0].effective;
    if ((m_effective & kOverrides) != 0) {
        capabilities.data[0].effective &= ~kOverrides;
        Set(capabilities);
        m_changed = true;
    }
}

PermissionChecksApply::~PermissionChecksApply() {
    if (m_changed) {
        Capabilities capabilities = Current();
        capabilities.data[0].effective = m_effective;
        Set(capabilities);
    }
}
