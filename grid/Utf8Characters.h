#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Cell texts are UTF-8 byte strings that may hold bytes which are not
// valid UTF-8. These routines see such a text as characters: each valid
// sequence is one character and each stray byte is one of its own, so no
// byte is ever lost or merged with its neighbours.

// Length of the valid UTF-8 sequence starting at `at` and its code point in
// `codePoint`, or 0 (code point untouched) when the bytes there are not one.
size_t DecodeUtf8Sequence(std::string_view bytes, size_t at, char32_t& codePoint);

// The code point as UTF-8; empty for a surrogate or a value past U+10FFFF.
std::string EncodeUtf8(char32_t codePoint);

// The text cut into its characters, each kept as its own bytes.
std::vector<std::string> SplitUtf8Characters(std::string_view bytes);

// The code point of one character of SplitUtf8Characters, or U+FFFD for a
// stray byte.
char32_t CodePointOf(std::string_view character);
