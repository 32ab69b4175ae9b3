#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Other programs the window uses (the desktop's helpers, a help viewer):
// found on PATH, asked for an answer with a bounded wait, or started and
// left to run.

// The full path of the executable file `name` in one of the absolute
// folders of PATH (the system's default folders when PATH is unset);
// empty when there is none. Relative entries, the current folder among
// them, are not searched.
std::string FindProgram(std::string_view name);

// Runs `command` (its first element a program's full path) with no input
// and gives what it wrote on its standard output until it closed it;
// nullopt when it could not be started, or did not finish its output
// within `timeout` or within 64 KiB (it is then stopped).
std::optional<std::string> RunForOutput(const std::vector<std::string>& command,
                                        std::chrono::milliseconds timeout);

// Starts `command` (its first element a program's full path) without
// waiting for it; false when it could not be started.
bool StartProgram(const std::vector<std::string>& command);

// Starts the program file `command[0]` to take this program's place, its
// arguments passed byte for byte and this program's terminal shared; false
// when it could not be started. Nobody waits for it: it runs on after this
// program has ended.
bool StartSuccessor(const std::vector<std::string>& command);
