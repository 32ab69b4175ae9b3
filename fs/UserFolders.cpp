#include "UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "PathText.h"

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') {
        return home;
    }
    const passwd* entry = getpwuid(getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}

std::string BaseFolder(const char* value, const std::string& fallback) {
    std::string folder = value != nullptr && value[0] == '/' ? std::string(value) : fallback;
    AppendBackslash(folder);
    return folder;
}
