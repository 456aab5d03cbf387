// Shared fixtures of the Windows tests: a private temporary folder per test,
// the folder of the test program (where the DLLs are built), the recorder log,
// and byte-string printing. Every literal is code page 932 (-fexec-charset).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Fails the test program loudly unless the process's ANSI code page is 932.
void RequireCodePage932();

// The folder of the running test program, with a trailing backslash.
std::string BinDir();

// A fresh folder under the system temp folder, removed with all it holds
// (read-only files included) when the object goes.
class TempFolder {
public:
    explicit TempFolder(const std::string& Prefix = "t");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return FPath; }  // ends in "\"
    std::string operator/(const std::string& Name) const { return FPath + Name; }

private:
    std::string FPath;
};

void RemoveTree(const std::string& Path);
void WriteTextFile(const std::string& Path, const std::string& Bytes);
std::string ReadTextFile(const std::string& Path);  // "" when missing
bool PathExists(const std::string& Path);

// Points the recorder (the test prefix's ".txt" opener) at a log of the
// test's own and reads the paths it recorded, waiting up to TimeoutMs for
// Expected lines.
class RecorderLog {
public:
    RecorderLog();
    ~RecorderLog();
    std::vector<std::string> Lines(std::size_t Expected = 1, DWORD TimeoutMs = 20000) const;

private:
    TempFolder FFolder;
    std::string FLog;
};

// "\x83\x5c"-style escaping so a Shift-JIS mismatch is readable.
std::string Escaped(const std::string& Bytes);

// Runs CommandLine, waits for it and returns what it wrote to stdout; its exit
// code goes to *ExitCode when given.
std::string ReadProcessOutput(const std::string& CommandLine, DWORD* ExitCode = nullptr);
