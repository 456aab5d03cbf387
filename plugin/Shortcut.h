// The Internet shortcut file: what the exporters read from one and the one
// key the importer writes, through TIniFile; and the favourite's title, which
// is the file's name without its extension.
#pragma once
#include <string>
#include <string_view>

// What one reading yields; the dates are "yyyy/mm/dd hh:nn:ss" text.
struct TShortcutInfo {
    std::string Title;
    std::string URL;         // "なし" when the file has no address
    std::string Comment;
    std::string Registered;  // the file's time; empty without dates or when it cannot be read
    std::string LastVisit;   // empty without dates or when it does not parse
};

// The address text of a shortcut without "URL".
inline const std::string NoURL = "なし";

// The name after the last "\" or ":" without its last "." and what follows;
// a 0x5C trail byte is no delimiter.
std::string ShortcutTitle(std::string_view FileName);

// Reads the file once; WithDates also fills Registered and LastVisit.
TShortcutInfo ReadShortcut(const std::string& FileName, bool WithDates);

// Sets URL of the section InternetShortcut, keeping every other line; throws
// PlatformError when the file cannot be written.
void WriteShortcut(const std::string& FileName, const std::string& URL);
