#include "platform/FilePath.h"

#include "platform/AnsiText.h"

namespace {

// Index one past the last single-byte "\" or ":", 0 when there is none.
std::size_t NameStart(std::string_view Path) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < Path.size(); i += CharLengthAt(Path, i)) {
        if (CharLengthAt(Path, i) == 1 && (Path[i] == '\\' || Path[i] == ':')) start = i + 1;
    }
    return start;
}

}  // namespace

bool IsPathDelimiter(std::string_view Path, std::size_t Index) {
    if (Index == 0 || Index > Path.size()) return false;
    return Path[Index - 1] == '\\' && !IsTrailByteAt(Path, Index - 1);
}

std::string IncludeTrailingBackslash(std::string_view Path) {
    std::string out(Path);
    if (!out.empty() && !IsPathDelimiter(out, out.size())) out += '\\';
    return out;
}

std::string ExtractFilePath(std::string_view Path) {
    return std::string(Path.substr(0, NameStart(Path)));
}

std::string ExtractFileName(std::string_view Path) {
    return std::string(Path.substr(NameStart(Path)));
}
