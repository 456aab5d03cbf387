#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "../../native/Hex.h"
#include "platform/FileIO.h"
#include "platform/FilePath.h"

void RequireCodePage932() {
    if (::GetACP() != 932) {
        std::fprintf(stderr, "the ANSI code page is %u, not 932: run under tools/wine-run\n", ::GetACP());
        std::exit(3);
    }
}

std::string BinDir() {
    std::string self(MAX_PATH * 4, '\0');
    self.resize(::GetModuleFileNameA(nullptr, &self[0], static_cast<DWORD>(self.size())));
    return self.substr(0, self.find_last_of('\\') + 1);
}

TempFolder::TempFolder(const std::string& Prefix) {
    RequireCodePage932();
    char temp[MAX_PATH + 1];
    DWORD n = ::GetTempPathA(sizeof temp, temp);
    std::string base(temp, n);
    static unsigned counter = 0;
    for (;;) {
        FPath = base + Prefix + std::to_string(::GetCurrentProcessId()) + "_" + std::to_string(++counter) + "\\";
        if (::CreateDirectoryA(FPath.substr(0, FPath.size() - 1).c_str(), nullptr)) break;
        if (::GetLastError() != ERROR_ALREADY_EXISTS) {
            ADD_FAILURE() << "cannot create " << FPath;
            break;
        }
    }
}

TempFolder::~TempFolder() { RemoveTree(FPath); }

void RemoveTree(const std::string& Path) {
    std::string dir = Path;
    if (IsPathDelimiter(dir, dir.size())) dir.pop_back();  // ソ ends in 0x5C too
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((dir + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            std::string full = dir + "\\" + name;
            ::SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            bool link = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
            if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !link) RemoveTree(full);
            else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ::RemoveDirectoryA(full.c_str());
            else ::DeleteFileA(full.c_str());
        } while (::FindNextFileA(find, &data));
        ::FindClose(find);
    }
    ::SetFileAttributesA(dir.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::RemoveDirectoryA(dir.c_str());
}

void WriteTextFile(const std::string& Path, const std::string& Bytes) { WriteFileBytes(Path, Bytes); }

std::string ReadTextFile(const std::string& Path) {
    try {
        return ReadFileBytes(Path);
    } catch (const PlatformError&) {
        return std::string();
    }
}

bool PathExists(const std::string& Path) { return ::GetFileAttributesA(Path.c_str()) != INVALID_FILE_ATTRIBUTES; }

RecorderLog::RecorderLog() : FFolder("rec"), FLog(FFolder / "recorder.log") {
    ::SetEnvironmentVariableA("PLUGTEST_RECORDER_LOG", FLog.c_str());
}

RecorderLog::~RecorderLog() { ::SetEnvironmentVariableA("PLUGTEST_RECORDER_LOG", nullptr); }

std::vector<std::string> RecorderLog::Lines(std::size_t Expected, DWORD TimeoutMs) const {
    std::vector<std::string> lines;
    DWORD start = ::GetTickCount();
    for (;;) {
        lines.clear();
        std::string text = ReadTextFile(FLog);
        std::size_t at = 0;
        for (std::size_t eol; (eol = text.find("\r\n", at)) != std::string::npos; at = eol + 2)
            lines.push_back(text.substr(at, eol - at));
        if (lines.size() >= Expected || ::GetTickCount() - start > TimeoutMs) return lines;
        ::Sleep(50);
    }
}

std::string Escaped(const std::string& Bytes) { return Hex(Bytes); }

std::string ReadProcessOutput(const std::string& CommandLine, DWORD* ExitCode) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &sa, 0)) return std::string();
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi{};
    std::string cmd = CommandLine;
    BOOL started = ::CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    ::CloseHandle(writeEnd);
    std::string out;
    if (started) {
        char buf[4096];
        DWORD got = 0;
        while (::ReadFile(readEnd, buf, sizeof buf, &got, nullptr) && got > 0) out.append(buf, got);
        ::WaitForSingleObject(pi.hProcess, INFINITE);
        DWORD code = 0;
        ::GetExitCodeProcess(pi.hProcess, &code);
        if (ExitCode) *ExitCode = code;
        ::CloseHandle(pi.hProcess);
        ::CloseHandle(pi.hThread);
    } else {
        ADD_FAILURE() << "cannot start " << CommandLine;
    }
    ::CloseHandle(readEnd);
    return out;
}
