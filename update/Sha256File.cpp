#include "Sha256File.h"

#include <openssl/evp.h>

#include <memory>

#include "FileBlocks.h"

std::optional<std::string> Sha256OfFile(const std::string& path) {
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(),
                                                                          &EVP_MD_CTX_free);
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1) {
        return std::nullopt;
    }
    const bool read = ReadFileBlocks(path, [&context](std::string_view block) {
        EVP_DigestUpdate(context.get(), block.data(), block.size());
        return true;
    });
    if (!read) {
        return std::nullopt;
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(context.get(), digest, &length) != 1) {
        return std::nullopt;
    }
    static constexpr char kHexDigits[] = "0123456789abcdef";
    std::string text;
    for (unsigned int i = 0; i < length; ++i) {
        text += kHexDigits[digest[i] >> 4];
        text += kHexDigits[digest[i] & 0xF];
    }
    return text;
}
