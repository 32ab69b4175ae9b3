#pragma once

#include <string>
#include <vector>

// Reads the contents of one named section of an ELF file (32 or 64 bit,
// either byte order) by parsing its headers; the file is only read, never
// run. False when the path is no readable regular ELF file, when it has no
// section of that name (or one without contents), or when its headers point
// outside the file.
bool ReadElfSection(const std::string& path, const std::string& sectionName,
                    std::vector<unsigned char>& contents);
