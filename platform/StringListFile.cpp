// The file side of TStringList: one read, one write, bytes unchanged.
#include "platform/FileIO.h"
#include "platform/StringList.h"

void TStringList::SaveToFile(const std::string& FileName) const { WriteFileBytes(FileName, Text()); }

void TStringList::LoadFromFile(const std::string& FileName) { SetText(ReadFileBytes(FileName)); }
