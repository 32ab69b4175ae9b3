#pragma once

#include <string>

// The user's own folders, as the desktop's base folder convention names them.

// $HOME, else the account's home folder ("" when neither is known).
std::string HomeFolder();
// A base folder such as $XDG_CONFIG_HOME: `value` when it is an absolute
// path, else `fallback` (when it is unset, empty or relative); with a
// trailing "/".
std::string BaseFolder(const char* value, const std::string& fallback);
