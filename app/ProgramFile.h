#pragma once

#include <string>

// The absolute path of the running program file (from /proc/self/exe);
// empty when the system does not tell.
std::string ProgramFilePath();
