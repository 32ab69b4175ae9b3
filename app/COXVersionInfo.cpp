#include "COXVersionInfo.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "ElfSection.h"
#include "FileQueries.h"
#include "LanguageName.h"
#include "PathText.h"
#include "ProgramFile.h"
#include "VersionRecord.h"

namespace {

constexpr uint32_t kDefaultTranslation = 0x040904E4;  // US English, code page 1252

struct StringKey {
    const char* name;
    std::string COXVersionInfo::*text;
};

constexpr StringKey kStringKeys[] = {
    {"Comments", &COXVersionInfo::m_sComments},
    {"CompanyName", &COXVersionInfo::m_sCompanyName},
    {"FileDescription", &COXVersionInfo::m_sFileDescription},
    {"FileVersion", &COXVersionInfo::m_sFileVersion},
    {"InternalName", &COXVersionInfo::m_sInternalName},
    {"LegalCopyright", &COXVersionInfo::m_sLegalCopyright},
    {"LegalTrademarks", &COXVersionInfo::m_sLegalTrademarks},
    {"OriginalFilename", &COXVersionInfo::m_sOriginalFilename},
    {"PrivateBuild", &COXVersionInfo::m_sPrivateBuild},
    {"ProductName", &COXVersionInfo::m_sProductName},
    {"ProductVersion", &COXVersionInfo::m_sProductVersion},
    {"SpecialBuild", &COXVersionInfo::m_sSpecialBuild},
};

uint32_t LittleEndianWord(const std::string& bytes, size_t offset, size_t width) {
    uint32_t value = 0;
    for (size_t i = width; i-- > 0;) {
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    }
    return value;
}

// A bare name is looked for beside the program first, as the program's own
// files are; any other path is taken as it stands.
std::string LocateFile(const std::string& path) {
    if (path.find('/') != std::string::npos) {
        return path;
    }
    const std::string program = ProgramFilePath();
    if (!program.empty()) {
        const std::string besideProgram = GetFolderOfPath(program) + path;
        if (FileExists(besideProgram)) {
            return besideProgram;
        }
    }
    return path;
}

}  // namespace

COXVersionInfo::COXVersionInfo() {
    Empty();
}

void COXVersionInfo::Empty() {
    m_FixedInfo = VS_FIXEDFILEINFO{};
    m_dwLangCharset = 0;
    m_sLanguageName.clear();
    for (const StringKey& key : kStringKeys) {
        (this->*key.text).clear();
    }
    m_bValid = false;
}

bool COXVersionInfo::ReadInfo(const std::string& path) {
    Empty();
    std::vector<unsigned char> section;
    if (!ReadElfSection(LocateFile(path), VersionRecord::kSectionName, section)) {
        return false;
    }
    const std::optional<VersionRecord> record = VersionRecord::Parse(section);
    if (!record) {
        return false;
    }

    if (const std::string* fixed = record->Find("\\")) {
        uint32_t words[13] = {};
        for (size_t word = 0; word < 13 && (word + 1) * 4 <= fixed->size(); ++word) {
            words[word] = LittleEndianWord(*fixed, word * 4, 4);
        }
        static_assert(sizeof words == sizeof m_FixedInfo);
        std::memcpy(&m_FixedInfo, words, sizeof words);
    }

    const std::string* translation = record->Find("\\VarFileInfo\\Translation");
    if (translation != nullptr && translation->size() >= 4) {
        const uint32_t language = LittleEndianWord(*translation, 0, 2);
        const uint32_t codePage = LittleEndianWord(*translation, 2, 2);
        m_dwLangCharset = (language << 16) | codePage;
        m_sLanguageName = LanguageName(static_cast<uint16_t>(language));
    }

    char tableKey[16];
    std::snprintf(tableKey, sizeof tableKey, "%08X",
                  m_dwLangCharset != 0 ? m_dwLangCharset : kDefaultTranslation);
    for (const StringKey& key : kStringKeys) {
        const std::string blockName =
            std::string("\\StringFileInfo\\") + tableKey + "\\" + key.name;
        if (const std::string* value = record->Find(blockName)) {
            this->*key.text = *value;
        }
    }
    m_bValid = true;
    return true;
}
