// The host's argument block, copied to a buffer of exactly its size so any
// read past its end is caught; every piece is NUL-free and they fit in it.
#include <cstring>
#include <memory>

#include "FuzzCheck.h"
#include "plugin/KeshPlugins.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    std::unique_ptr<char[]> block(new char[Size ? Size : 1]);
    if (Size) std::memcpy(block.get(), Data, Size);
    TStringList list;
    SplitArgumentBlock(Size ? block.get() : nullptr, static_cast<std::int32_t>(Size), list);
    std::size_t total = 0;
    for (const std::string& item : list.Items()) {
        FUZZ_CHECK(!item.empty() && item.find('\0') == std::string::npos);
        total += item.size() + 1;
    }
    FUZZ_CHECK(total <= Size);
    return 0;
}
