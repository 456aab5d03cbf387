#include "listexport/ListOutput.h"

#include "listexport/EntryLine.h"
#include "platform/FilePath.h"
#include "plugin/LibUnit.h"

void AddHeading(std::uint8_t ListMode, const std::string& Sub, TStringList& Output) {
    switch (ListMode) {
    case listmode::Text:
        Output.Add("");
        Output.Add("[" + Sub + "]");
        break;
    case listmode::Html:
    case listmode::HtmlComment:
        Output.Add("<BR>");
        Output.Add("[" + Sub + "]<BR>");
        break;
    default:
        Output.Add("[" + Sub + "]");
        break;
    }
}

void BuildListOutput(std::uint8_t ListMode, const std::string& RootFolder, const TStringList& Files,
                     const TStringList& EntryLines, TStringList& Output) {
    if (ListMode == listmode::Csv) Output.Add(CsvHeader);
    std::string current;
    for (std::size_t i = 0; i < Files.Count(); ++i) {
        std::string folder = ExtractFilePath(Files[i]);
        if (folder != current) {
            current = folder;
            // The found paths start with the search folder, which is the root
            // with a backslash added when it had none; so a root given without
            // one leaves a leading backslash on the subfolder headings.
            std::string rel = folder.size() > RootFolder.size() ? folder.substr(RootFolder.size()) : std::string();
            AddHeading(ListMode, RemoveBackslash(rel), Output);
        }
        Output.Add(EntryLines[i]);
    }
}

std::string ListFileName(const std::string& TempFolder, std::string_view FavoritesFolder) {
    return TempFolder + ExtractFileName(RemoveBackslash(FavoritesFolder)) + ".txt";
}

std::string ListFileErrorText(const std::string& FileName, const std::string& Reason) {
    return "一覧ファイルを書き込めませんでした。\r\n" + FileName + "\r\n" + Reason;
}
