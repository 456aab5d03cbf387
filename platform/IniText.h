// The INI text engine: finds and sets values in the bytes of one INI file.
// Pure code over code page 932 bytes. The syntax follows what the Windows
// profile API accepts, because the host and the shell read the same files
// (checked against it, row by row, under Wine): lines end at CR LF, lone CR
// or lone LF; blanks (tab, LF, VT, FF, CR, ^Z, space) around a line, a
// section name and "=" do not count; a line opening with "[" and holding a
// "]" heads a section named by the text up to its last "]"; any other line
// is a key up to its first "=" (without "=" a key has no value, and ";"
// starts no comment: ";x=1" is the key ";x"); section and key names compare
// without regard to ASCII letter case; the first section of a name and its
// first key of a name win; a value wholly inside a pair of matching quotes
// reads without them; a NUL ends a name or a value; a UTF-8 byte order mark
// at the start is skipped.
// Deliberate differences from the profile API: no length limit on values;
// bytes are never converted (a UTF-8 marked file keeps its code page 932
// bytes, UTF-16 files are not decoded); writing changes only the line it sets
// or adds (a new key goes after the section's last non-blank line, with that
// line's line break), where the profile API rewrites the whole file from its
// parsed form, dropping blank lines and blanks around "=".
#pragma once
#include <optional>
#include <string>
#include <string_view>

class TIniText {
public:
    TIniText() = default;
    explicit TIniText(std::string Bytes) : FBytes(std::move(Bytes)) {}

    const std::string& Bytes() const { return FBytes; }

    // The value of Key in the first section named Section; nothing when the
    // section or the key is missing or the key's line has no "=".
    std::optional<std::string> Find(std::string_view Section, std::string_view Key) const;

    // Sets Key of Section to Value (taken as it is): replaces the key's line,
    // or adds the key after the section's last line, or adds the section at
    // the end. Every other byte stays. Returns false when nothing changed.
    bool Set(std::string_view Section, std::string_view Key, std::string_view Value);

private:
    std::string FBytes;
};
