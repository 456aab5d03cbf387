// Reading and writing shortcut files through TIniFile (one read per file).
#include "plugin/Shortcut.h"

#include "platform/DateText.h"
#include "platform/FileDate.h"
#include "platform/IniFile.h"

TShortcutInfo ReadShortcut(const std::string& FileName, bool WithDates) {
    TShortcutInfo info;
    TIniFile ini(FileName);
    info.URL = ini.ReadString("InternetShortcut", "URL", NoURL);
    info.Comment = ini.ReadString("Log", "UserComment", "");
    if (WithDates) {
        // Text that is no date leaves LastVisit empty; a time stamp a DOS date
        // cannot hold, or a file gone since, leaves Registered empty.
        info.LastVisit = ReformatDateText(ini.ReadString("Log", "LastVisit", ""));
        info.Registered = FileDateText(FileAge(FileName));
    }
    info.Title = ShortcutTitle(FileName);
    return info;
}

void WriteShortcut(const std::string& FileName, const std::string& URL) {
    TIniFile ini(FileName);
    ini.WriteString("InternetShortcut", "URL", URL);
}
