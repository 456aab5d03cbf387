// LibUnit, the path routines both builds share. Pure: the trailing-delimiter
// test uses our code page 932 lead-byte table, so ソ (0x83 0x5C) is no "\".
#pragma once
#include <string>
#include <string_view>

// Path ending in a backslash; the empty string stays empty.
std::string AppendBackslash(std::string_view Path);

// Path without one trailing backslash.
std::string RemoveBackslash(std::string_view Path);
