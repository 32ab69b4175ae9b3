#pragma once

#include <cstdint>
#include <string>

// The fixed part of a version record, thirteen words in this order.
struct VS_FIXEDFILEINFO {
    uint32_t dwSignature;
    uint32_t dwStrucVersion;
    uint32_t dwFileVersionMS;
    uint32_t dwFileVersionLS;
    uint32_t dwProductVersionMS;
    uint32_t dwProductVersionLS;
    uint32_t dwFileFlagsMask;
    uint32_t dwFileFlags;
    uint32_t dwFileOS;
    uint32_t dwFileType;
    uint32_t dwFileSubtype;
    uint32_t dwFileDateMS;
    uint32_t dwFileDateLS;
};

// The version information of a program file: its fixed record, its first
// translation and the twelve standard texts, read from the version record
// the build puts into the file. One object can be reused for several files:
// every read starts from empty.
class COXVersionInfo {
  public:
    COXVersionInfo();

    // Zero the fixed record and the translation, empty every text, not valid.
    void Empty();
    // Reads the version record of `path`: a path, or a bare file name that is
    // looked for in the program's folder first, then in the current folder.
    // False, with everything empty, when the file has no version record.
    bool ReadInfo(const std::string& path);

    VS_FIXEDFILEINFO m_FixedInfo;
    // Language identifier in the high 16 bits, code page in the low 16 bits;
    // 0 when the record has no translation.
    uint32_t m_dwLangCharset;
    std::string m_sLanguageName;
    std::string m_sComments;
    std::string m_sCompanyName;
    std::string m_sFileDescription;
    std::string m_sFileVersion;
    std::string m_sInternalName;
    std::string m_sLegalCopyright;
    std::string m_sLegalTrademarks;
    std::string m_sOriginalFilename;
    std::string m_sPrivateBuild;
    std::string m_sProductName;
    std::string m_sProductVersion;
    std::string m_sSpecialBuild;
    bool m_bValid;
};
