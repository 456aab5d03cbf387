// The list file's text and name: the CSV header, one heading per folder, the
// entry lines in folder order, the file's place in the temporary folder, and
// the message shown when it cannot be written. Pure.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/StringList.h"

// The first line of a CSV list; its columns match the fields of an entry row.
inline const std::string CsvHeader = "サブフォルダ,ページタイトル,URL,コメント,登録日,最終訪問日";

// Appends the heading lines of a folder whose path relative to the
// favourites folder, without its trailing backslash, is Sub.
void AddHeading(std::uint8_t ListMode, const std::string& Sub, TStringList& Output);

// The list: in CSV mode the header, then for each run of files of one folder
// its heading and its entry lines. Files must be sorted by folder and
// EntryLines[i] must belong to Files[i]; RootFolder is the favourites folder
// exactly as the host gave it.
void BuildListOutput(std::uint8_t ListMode, const std::string& RootFolder, const TStringList& Files,
                     const TStringList& EntryLines, TStringList& Output);

// TempFolder (ending in "\") + the favourites folder's own name + ".txt".
std::string ListFileName(const std::string& TempFolder, std::string_view FavoritesFolder);

// The statement of the error box for a list file that cannot be written.
std::string ListFileErrorText(const std::string& FileName, const std::string& Reason);
constexpr const char* ListFileErrorCaption = "一覧出力";
