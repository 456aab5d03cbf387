#include "platform/DateText.h"

#include <cstdio>

namespace {

constexpr std::int64_t MsPerDay = 86400000;

bool IsLeapYear(int Y) { return (Y % 4 == 0 && Y % 100 != 0) || Y % 400 == 0; }

int DaysInMonth(int Y, int M) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return M == 2 && IsLeapYear(Y) ? 29 : days[M - 1];
}

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(int Y, int M, int D) {
    Y -= M <= 2;
    const std::int64_t era = (Y >= 0 ? Y : Y - 399) / 400;
    const std::int64_t yoe = Y - era * 400;
    const std::int64_t doy = (153 * (M + (M > 2 ? -3 : 9)) + 2) / 5 + D - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

struct Civil {
    int Year, Month, Day;
};

Civil CivilFromDays(std::int64_t Z) {
    Z += 719468;
    const std::int64_t era = (Z >= 0 ? Z : Z - 146096) / 146097;
    const std::int64_t doe = Z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return Civil{static_cast<int>(yoe + era * 400 + (m <= 2)), m, d};
}

// 1899-12-30, day 0 of TDateTime.
const std::int64_t EpochDays = DaysFromCivil(1899, 12, 30);

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads MinDigits to MaxDigits digits at Pos into Value.
bool ReadNumber(std::string_view Text, std::size_t& Pos, std::size_t MinDigits, std::size_t MaxDigits, int& Value) {
    std::size_t start = Pos;
    Value = 0;
    while (Pos < Text.size() && IsDigit(Text[Pos]) && Pos - start < MaxDigits) Value = Value * 10 + (Text[Pos++] - '0');
    std::size_t n = Pos - start;
    return n >= MinDigits && !(Pos < Text.size() && IsDigit(Text[Pos]));
}

bool Expect(std::string_view Text, std::size_t& Pos, char C) {
    if (Pos >= Text.size() || Text[Pos] != C) return false;
    ++Pos;
    return true;
}

void AppendNumber(std::string& Out, int Value, int Width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", Width, Value);
    Out += buf;
}

}  // namespace

std::optional<TDateTime> EncodeDateTime(int Year, int Month, int Day, int Hour, int Minute, int Second) {
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > DaysInMonth(Year, Month))
        return std::nullopt;
    if (Hour < 0 || Hour > 23 || Minute < 0 || Minute > 59 || Second < 0 || Second > 59) return std::nullopt;
    std::int64_t days = DaysFromCivil(Year, Month, Day) - EpochDays;
    std::int64_t ms = ((static_cast<std::int64_t>(Hour) * 60 + Minute) * 60 + Second) * 1000;
    return TDateTime{days * MsPerDay + ms};
}

std::string FormatDateTime(std::string_view Format, TDateTime Value) {
    std::int64_t days = Value.Milliseconds / MsPerDay;
    std::int64_t ms = Value.Milliseconds % MsPerDay;
    if (ms < 0) {
        ms += MsPerDay;
        --days;
    }
    Civil date = CivilFromDays(days + EpochDays);
    int seconds = static_cast<int>(ms / 1000);
    const struct {
        std::string_view Token;
        int Value, Width;
    } tokens[] = {{"yyyy", date.Year, 4},         {"mm", date.Month, 2},           {"dd", date.Day, 2},
                  {"hh", seconds / 3600, 2},      {"nn", seconds / 60 % 60, 2},    {"ss", seconds % 60, 2}};
    std::string out;
    for (std::size_t i = 0; i < Format.size();) {
        bool matched = false;
        for (const auto& t : tokens) {
            if (Format.substr(i, t.Token.size()) == t.Token) {
                AppendNumber(out, t.Value, t.Width);
                i += t.Token.size();
                matched = true;
                break;
            }
        }
        if (!matched) out += Format[i++];
    }
    return out;
}

std::optional<TDateTime> StrToDateTime(std::string_view Text) {
    std::size_t pos = 0;
    while (pos < Text.size() && IsBlank(Text[pos])) ++pos;
    int year, month, day, hour = 0, minute = 0, second = 0;
    if (!ReadNumber(Text, pos, 4, 4, year) || !Expect(Text, pos, '/') || !ReadNumber(Text, pos, 1, 2, month) ||
        !Expect(Text, pos, '/') || !ReadNumber(Text, pos, 1, 2, day))
        return std::nullopt;
    std::size_t afterDate = pos;
    while (pos < Text.size() && IsBlank(Text[pos])) ++pos;
    if (pos < Text.size() && pos > afterDate) {
        if (!ReadNumber(Text, pos, 1, 2, hour) || !Expect(Text, pos, ':') || !ReadNumber(Text, pos, 1, 2, minute))
            return std::nullopt;
        if (pos < Text.size() && Text[pos] == ':') {
            ++pos;
            if (!ReadNumber(Text, pos, 1, 2, second)) return std::nullopt;
        }
        while (pos < Text.size() && IsBlank(Text[pos])) ++pos;
    }
    if (pos != Text.size()) return std::nullopt;
    return EncodeDateTime(year, month, day, hour, minute, second);
}

std::optional<TDateTime> FileDateToDateTime(std::int32_t FileDate) {
    auto bits = static_cast<std::uint32_t>(FileDate);
    std::uint32_t date = bits >> 16, time = bits & 0xFFFF;
    return EncodeDateTime(static_cast<int>((date >> 9) + 1980), static_cast<int>((date >> 5) & 0x0F),
                          static_cast<int>(date & 0x1F), static_cast<int>(time >> 11),
                          static_cast<int>((time >> 5) & 0x3F), static_cast<int>((time & 0x1F) * 2));
}

std::string ReformatDateText(std::string_view Text) {
    std::optional<TDateTime> value = StrToDateTime(Text);
    return value ? FormatDateTime(ShortcutDateFormat, *value) : std::string();
}

std::string FileDateText(std::int32_t FileDate) {
    if (FileDate == -1) return std::string();
    std::optional<TDateTime> value = FileDateToDateTime(FileDate);
    return value ? FormatDateTime(ShortcutDateFormat, *value) : std::string();
}
