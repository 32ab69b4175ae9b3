#pragma once

#include <string>
#include <vector>

// The absolute path of the running program file (from /proc/self/exe);
// empty when the system does not tell.
std::string ProgramFilePath();

// The arguments the program was started with, after its own name, byte
// for byte (from /proc/self/cmdline); empty when the system does not tell.
std::vector<std::string> ProgramArguments();
