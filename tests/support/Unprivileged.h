#pragma once

#include <functional>
#include <string>

// Runs `work` as a user without special rights, so that permission checks
// apply as they do for a normal user even when the tests run as root (then
// `work` runs in a child process as user "nobody"). Returns what `work`
// returned.
std::string RunUnprivileged(const std::function<std::string()>& work);
