// The path helpers over any bytes: the two halves of a split make the whole
// path, the split falls on a real delimiter, and the backslash helpers undo
// each other on well-formed paths.
#include <string>

#include "FuzzCheck.h"
#include "platform/FilePath.h"
#include "plugin/LibUnit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string path(reinterpret_cast<const char*>(Data), Size);
    for (std::size_t i = 1; i <= Size; ++i) (void)IsPathDelimiter(path, i);

    const std::string folder = ExtractFilePath(path);
    const std::string name = ExtractFileName(path);
    FUZZ_CHECK(folder + name == path);
    if (!folder.empty()) FUZZ_CHECK(folder.back() == ':' || IsPathDelimiter(folder, folder.size()));

    const std::string with = AppendBackslash(path);
    // A lone lead byte at the end pairs with the "\\" appended to it: the
    // path was ill-formed before, and no helper can make it well-formed.
    if (EndsInLoneLeadByte(path)) return 0;
    if (path.empty()) {
        FUZZ_CHECK(with.empty());
    } else {
        FUZZ_CHECK(IsPathDelimiter(with, with.size()));
        FUZZ_CHECK(with.compare(0, path.size(), path) == 0 && with.size() <= path.size() + 1);
        const std::string without = RemoveBackslash(with);
        FUZZ_CHECK(without.size() + 1 == with.size());
        FUZZ_CHECK(with == path ? without.size() + 1 == path.size() : without == path);
    }
    return 0;
}
