#pragma once

#include <string>

// Routines on path texts. Only "/" separates; every other byte is part of a
// name. None of them touches the file system.

// Removes one trailing "/". With `force` off the root "/" keeps it.
void RemoveTrailingBackslash(std::string& path, bool force);
// Appends "/" unless the text already ends with one ("" becomes "/").
void AppendBackslash(std::string& path);

enum class PathPart {
    Folder,    // up to and including the last "/" ("/data/sub/" of "/data/sub/x.txt")
    BaseName,  // the last name without its extension ("x")
    Extension  // from the last "." of the last name, dot included (".txt")
};
// A leading "." of a name (".profile") starts no extension.
std::string GetPathPart(PathPart part, const std::string& path);
std::string GetBaseName(const std::string& path);
std::string GetExtension(const std::string& path);
std::string GetFolderOfPath(const std::string& path);
// The path with its extension replaced; a "." is put in front of
// `extension` unless it starts with one.
std::string ReplaceExtension(const std::string& path, const std::string& extension);
