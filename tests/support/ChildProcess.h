#pragma once

#include <spawn.h>

#include <chrono>

#include <string>
#include <vector>

// Starts `arguments` (the program's path first) as a child process, as a
// shell would: every signal with its default action, none blocked. Its
// standard files are arranged by `actions` when given; `settings`
// ("NAME=value") replace or add to the environment it inherits. The child's
// id, or -1 when it cannot be started.
pid_t SpawnChild(std::vector<std::string> arguments,
                 const posix_spawn_file_actions_t* actions = nullptr,
                 const std::vector<std::string>& settings = {});
// The wait status of `child` once it has ended; one that does not end
// within `limit` is killed and -1 is returned.
int WaitForChild(pid_t child, std::chrono::milliseconds limit);
