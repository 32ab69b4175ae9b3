#include "TroughClickPaging.h"

#include <dlfcn.h>

// The toolkit's GTK port has GTK loaded already; its settings object is
// reached through the loaded library, so that building needs no GTK
// headers. Elsewhere there is nothing to change.
void PageScrollBarsOnTroughClick() {
#ifdef __WXGTK__
    using DefaultSettings = void* (*)();
    using SetProperties = void (*)(void*, const char*, ...);
    const auto defaultSettings =
        reinterpret_cast<DefaultSettings>(dlsym(RTLD_DEFAULT, "gtk_settings_get_default"));
    const auto setProperties = reinterpret_cast<SetProperties>(dlsym(RTLD_DEFAULT, "g_object_set"));
    if (defaultSettings == nullptr || setProperties == nullptr) {
        return;
    }
    if (void* settings = defaultSettings()) {
        constexpr int kFalse = 0;
        setProperties(settings, "gtk-primary-button-warps-slider", kFalse, nullptr);
    }
#endif
}
