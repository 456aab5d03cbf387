#include "plugin/LibUnit.h"

#include "platform/FilePath.h"

std::string AppendBackslash(std::string_view Path) { return IncludeTrailingBackslash(Path); }

std::string RemoveBackslash(std::string_view Path) {
    std::string out(Path);
    if (!out.empty() && IsPathDelimiter(out, out.size())) out.pop_back();
    return out;
}
