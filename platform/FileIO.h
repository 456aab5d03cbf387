// Whole-file reading and writing and the file system facts the subsystems need,
// over the Win32 ANSI calls. Failures throw PlatformError with GetLastError's reason.
#pragma once
#include <cstdint>
#include <string>

#include "platform/PlatformError.h"

// The system's message for an error code, in the ANSI code page, without the
// trailing line break.
std::string SystemErrorText(std::uint32_t Code);

// Throws PlatformError(Operation, Path, GetLastError(), its text).
[[noreturn]] void RaiseLastError(const std::string& Operation, const std::string& Path);

// The file's bytes, read with one open.
std::string ReadFileBytes(const std::string& FileName);

// Creates or truncates the file and writes Data with one call.
void WriteFileBytes(const std::string& FileName, const std::string& Data);

// True when a file (not a folder) is at the path.
bool FileExists(const std::string& FileName);

// True when a folder is at the path.
bool DirectoryExists(const std::string& Path);

// Creates the folder with every missing parent, outermost first; throws when
// one cannot be made.
void ForceDirectories(const std::string& Path);
