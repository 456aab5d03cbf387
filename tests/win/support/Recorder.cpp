// Stands in for the program the shell opens ".txt" files with: it appends the
// path it was given (one line) to the log named by PLUGTEST_RECORDER_LOG, or
// to recorder.log beside itself, and exits at once, so no editor stays open.
#include <windows.h>

#include <string>

int main(int argc, char** argv) {
    std::string log;
    DWORD need = ::GetEnvironmentVariableA("PLUGTEST_RECORDER_LOG", nullptr, 0);
    if (need > 0) {
        log.assign(need, '\0');
        log.resize(::GetEnvironmentVariableA("PLUGTEST_RECORDER_LOG", &log[0], need));
    } else {
        std::string self(MAX_PATH * 4, '\0');
        self.resize(::GetModuleFileNameA(nullptr, &self[0], static_cast<DWORD>(self.size())));
        log = self.substr(0, self.find_last_of('\\') + 1) + "recorder.log";
    }
    std::string line = (argc > 1 ? std::string(argv[1]) : std::string()) + "\r\n";
    HANDLE file = ::CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD put = 0;
    ::WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &put, nullptr);
    ::CloseHandle(file);
    return 0;
}
