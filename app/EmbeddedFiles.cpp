#include "EmbeddedFiles.h"

#include <algorithm>

const EmbeddedFile* FindEmbeddedFile(const std::string& name) {
    const std::span<const EmbeddedFile> files = EmbeddedFiles();
    const auto found = std::find_if(files.begin(), files.end(), [&name](const EmbeddedFile& file) {
        return name == file.name;
    });
    return found == files.end() ? nullptr : &*found;
}
