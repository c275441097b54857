// String work of the engine's string commands, on plain values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qel::engine {

// Tokens are maximal non-empty runs of characters not in `delimiters`.
std::vector<std::string_view> SplitTokens(std::string_view text, std::string_view delimiters);

// Replaces the first `count` occurrences of `find` (all of them when count < 0).
std::string ReplaceText(std::string_view text, std::string_view find, std::string_view with, int32_t count);

// A leading decimal integer as atoi reads it (spaces, sign, digits), clamped to 32 bits.
int32_t ParseDecimal(const char* text);

// UTF-8 to code points; a malformed sequence gives U+FFFD for its first byte.
std::vector<uint32_t> DecodeUtf8(std::string_view text);
void AppendUtf8(uint32_t code_point, std::string& out);

// "a" + "/" + "b", without doubling a separator that is already there.
std::string JoinPath(std::string_view first, std::string_view second);

}  // namespace qel::engine
