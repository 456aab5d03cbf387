// Link line recognition: each line of a link list becomes a folder line, a
// link (title "=" address) or a rejected line. Pure; one line at a time, no
// HTML parser, every position a byte position in code page 932 text.
#pragma once
#include <string>
#include <string_view>

#include "platform/StringList.h"

enum class TLineKind { Folder, Link, Rejected };

struct TTransLine {
    TLineKind Kind;
    std::string Text;  // what goes into the success or the failure list
};

// Every "<BR>" (upper case) removed, also those that only form once an inner
// one is gone; linear in the length of the line.
std::string RemoveBreakTags(std::string_view Line);

// "[" first and "]" as the last character (a "]" that is the second byte of a
// double-byte character does not count). The rule by which the conversion
// writes folder lines and Output reads them back.
bool IsFolderLine(std::string_view Line);

// The first anchor of the line: its href="..." address and the text up to the
// first "</a>", found case-insensitively. Fails when the line has no "<a" or
// no "</a>", or when the first tag has no href=" with a closing quote before
// its ">", or no ">" at all.
bool ParseAnchorLine(std::string_view Line, std::string& Title, std::string& URL);

// Title "=" address, or title, blank(s) and address; an address must hold
// "http://" (case-sensitive) to count.
bool ParsePairLine(std::string_view Line, std::string& Title, std::string& URL);

TTransLine TransLine(std::string_view Line);

// TransLine over every line of Preview in order; folder lines and links are
// appended to Success, rejected lines to Fail.
void ConvertLines(const TStringList& Preview, TStringList& Success, TStringList& Fail);
