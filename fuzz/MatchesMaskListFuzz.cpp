// The mask matcher over any name and list, and a name without wildcards
// always fits itself.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzCheck.h"
#include "search/MatchesLiblary.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    FuzzedDataProvider input(Data, Size);
    const bool lowerName = input.ConsumeBool();
    const std::string name = input.ConsumeRandomLengthString(256);
    const std::string masks = input.ConsumeRemainingBytesAsString();
    (void)MatchesMaskList(name, masks, lowerName);
    if (!name.empty() && name.find_first_of("*?;") == std::string::npos)
        FUZZ_CHECK(MatchesMaskList(name, name, true));
    return 0;
}
