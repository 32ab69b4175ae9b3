#pragma once

#include <cstddef>
#include <span>
#include <string>

// A file compiled into the program by vantrel_embed_files
// (cmake/EmbeddedFiles.cmake).
struct EmbeddedFile {
    const char* name;  // the file's name, without its folder
    const unsigned char* bytes;
    size_t size;
};

// Every file compiled in; defined by the generated source.
std::span<const EmbeddedFile> EmbeddedFiles();

// The file of that name, or nullptr.
const EmbeddedFile* FindEmbeddedFile(const std::string& name);
