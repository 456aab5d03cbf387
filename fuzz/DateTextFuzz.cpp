// The date parser over any text: what it accepts formats back to a text
// that parses to the same value, and DOS dates of any bits decode or refuse.
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "platform/DateText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string text(reinterpret_cast<const char*>(Data), Size);
    const std::optional<TDateTime> value = StrToDateTime(text);
    const std::string reformatted = ReformatDateText(text);
    FUZZ_CHECK(reformatted.empty() == !value.has_value());
    if (value) {
        const std::optional<TDateTime> again = StrToDateTime(reformatted);
        FUZZ_CHECK(again && *again == *value);
        (void)FormatDateTime(text, *value);
    }
    if (Size >= 4) {
        std::int32_t fileDate;
        std::memcpy(&fileDate, Data, 4);
        const std::optional<TDateTime> decoded = FileDateToDateTime(fileDate);
        const std::string shown = FileDateText(fileDate);
        FUZZ_CHECK(shown.empty() == !decoded.has_value() || fileDate == -1);
        if (decoded) FUZZ_CHECK(StrToDateTime(shown) == decoded);
    }
    return 0;
}
