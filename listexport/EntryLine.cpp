#include "listexport/EntryLine.h"

std::string MakeEntryLine(std::uint8_t ListMode, const TShortcutInfo& Info) {
    switch (ListMode) {
    case listmode::Text:
        return Info.Title + "=" + Info.URL;
    case listmode::Html:
        return "<A HREF=\"" + Info.URL + "\">" + Info.Title + "</A>";
    case listmode::HtmlComment:
        return "<A HREF=\"" + Info.URL + "\">" + Info.Title + "</A>:" + Info.Comment + "<BR>";
    default:
        return "," + Info.Title + "," + Info.URL + "," + Info.Comment + "," + Info.Registered + "," + Info.LastVisit;
    }
}
