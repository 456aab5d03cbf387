// Code page 932 byte-string helpers. Lead bytes come from our own table, never
// from the process's code page, so results do not depend on the machine's locale.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// 0x81-0x9F and 0xE0-0xFC begin a double-byte character in code page 932.
bool IsLeadByte(unsigned char b);

// True when byte Index of S is the second byte of a double-byte character,
// found by scanning lead bytes from the start. A lead byte at the very end of
// S has no trail byte; it counts as a single byte.
bool IsTrailByteAt(std::string_view S, std::size_t Index);

// Length in bytes of the character that starts at Index (1 or 2; 1 for a
// lead byte with nothing after it).
std::size_t CharLengthAt(std::string_view S, std::size_t Index);

// Folds A-Z to a-z where the byte is a single-byte character; trail bytes and
// every other byte stay as they are. The length never changes.
std::string AnsiLowerCase(std::string_view S);

// 1-based position of the first occurrence of Sub in S that starts on a
// character boundary, 0 when there is none (or when Sub is empty).
std::size_t AnsiPos(std::string_view Sub, std::string_view S);

// 1-based position of the first byte-wise occurrence of Sub in S, 0 when none.
std::size_t Pos(std::string_view Sub, std::string_view S);
