#pragma once

#include <string>
#include <vector>

struct archive_entry;

// The name of an entry split into its components, "." and empty ones left
// out ("./a//b" gives a, b). Empty when the name is unsafe to write under a
// folder: empty, absolute, or holding a ".." component.
std::vector<std::string> SafeNameComponents(const std::string& name);
// Those components joined by "/" ("a/b"); "" when the name is unsafe.
std::string SafeName(const std::string& name);

// Why `entry` must not be installed ("" when it may): an unsafe name (see
// SafeNameComponents), a link (symbolic or hard), or anything but a regular
// file or a folder. The reason names the entry.
std::string RefusalOf(archive_entry* entry);
