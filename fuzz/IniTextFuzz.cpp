// The INI engine over any bytes: Find and Set never fail, and a Set of a
// plain section, key and value reads back and changes nothing further when
// repeated.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>

#include "FuzzCheck.h"
#include "platform/IniText.h"

namespace {

bool IsBlank(char C) { return C == '\t' || C == '\n' || C == '\v' || C == '\f' || C == '\r' || C == 0x1A || C == ' '; }

// Text that stays one name or value on one line whatever surrounds it. A
// lone lead byte at the end would swallow the "]" or "=" written after it.
bool IsPlain(const std::string& S, const char* Forbidden) {
    if (S.empty() || IsBlank(S.front()) || IsBlank(S.back()) || EndsInLoneLeadByte(S)) return false;
    for (char c : S)
        if (c == '\0' || c == '\r' || c == '\n' || std::strchr(Forbidden, c)) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    FuzzedDataProvider input(Data, Size);
    const std::string section = input.ConsumeRandomLengthString(32);
    const std::string key = input.ConsumeRandomLengthString(32);
    const std::string value = input.ConsumeRandomLengthString(32);
    TIniText ini(input.ConsumeRemainingBytesAsString());

    (void)ini.Find(section, key);
    const std::string before = ini.Bytes();
    const bool changed = ini.Set(section, key, value);
    FUZZ_CHECK(changed == (ini.Bytes() != before));

    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    if (IsPlain(section, "[]") && IsPlain(key, "=[]") && (value.empty() || (IsPlain(value, "") && !quoted))) {
        const std::optional<std::string> back = ini.Find(section, key);
        FUZZ_CHECK(back && *back == value);
        FUZZ_CHECK(!ini.Set(section, key, value));
    }
    return 0;
}
