// Path helpers over code page 932 bytes: "\" (0x5C) separates only where it is
// a single-byte character, never as the second byte of a double-byte one.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// True when the byte at 1-based Index is a single-byte "\".
bool IsPathDelimiter(std::string_view Path, std::size_t Index);

// Path followed by "\" unless it already ends in one; the empty string stays empty.
std::string IncludeTrailingBackslash(std::string_view Path);

// The path up to and including its last "\" or ":" (empty when it has none).
std::string ExtractFilePath(std::string_view Path);

// The rest of the path after its last "\" or ":".
std::string ExtractFileName(std::string_view Path);
