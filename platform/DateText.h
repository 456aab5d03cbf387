// Dates and times as the shortcut files and the lists need them: a date-time
// value, its text in the Japanese locale ("/" between date fields, ":"
// between time fields, 24-hour clock), and DOS file dates. Pure code.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A local date and time, counted in milliseconds from 1899-12-30 00:00 (day
// 0 of the class library's date-time values), for the years 1 to 9999.
struct TDateTime {
    std::int64_t Milliseconds = 0;
    friend bool operator==(TDateTime A, TDateTime B) { return A.Milliseconds == B.Milliseconds; }
};

// The value of a calendar date and time; nothing when a field is out of
// range (month 13, February 30, hour 24, ...).
std::optional<TDateTime> EncodeDateTime(int Year, int Month, int Day, int Hour, int Minute, int Second);

// Formats with the tokens yyyy, mm, dd, hh, nn, ss (four-digit year, the rest
// two digits with a leading zero), "/" and ":" as the locale's separators;
// any other byte is copied.
std::string FormatDateTime(std::string_view Format, TDateTime Value);

// Parses the locale's short date (year/month/day, a four-digit year, one- or
// two-digit month and day) optionally followed by blanks and a time of hours
// and minutes with optional seconds (one or two digits each). Blanks around
// the text are allowed. Nothing when the text is not such a valid date.
std::optional<TDateTime> StrToDateTime(std::string_view Text);

// A DOS file date and time (date in the high word, time in the low word);
// nothing when the fields do not make a valid date and time.
std::optional<TDateTime> FileDateToDateTime(std::int32_t FileDate);

// The text "yyyy/mm/dd hh:nn:ss" both date fields of a shortcut use.
constexpr std::string_view ShortcutDateFormat = "yyyy/mm/dd hh:nn:ss";

// Text re-formatted in the shortcut date format; empty when it is no date.
std::string ReformatDateText(std::string_view Text);

// A DOS file date in the shortcut date format; empty when FileDate is -1
// (no such file) or not a valid DOS date.
std::string FileDateText(std::int32_t FileDate);
