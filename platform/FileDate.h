// FileAge: a file's last-write time as a local DOS file date and time, the
// form the shortcut lists show (two-second resolution).
#pragma once
#include <cstdint>
#include <string>

// DOS date in the high word, time in the low word; -1 when the file cannot be
// found or its time lies outside what a DOS date can hold (1980 to 2107).
std::int32_t FileAge(const std::string& FileName);
