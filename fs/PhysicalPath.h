#pragma once

#include <string>

// Paths with their links resolved, as walks use them to tell where a link
// to a folder leads.

// `folder` with every link resolved; empty (errno set) when it cannot be.
std::string ResolvePhysicalPath(const std::string& folder);
// The current folder as the system names it (its links resolved); empty
// when it cannot be told.
std::string CurrentFolder();
// `ancestor` is `path` or a folder that `path` lies in.
bool IsSameOrAncestorPath(const std::string& ancestor, const std::string& path);
