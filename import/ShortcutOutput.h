// The Output command of the import window: the success list's lines become
// shortcut files and folders under the favourites folder, with the overwrite
// and error prompts owned by the import window.
#pragma once
#include <string>

#include "platform/MessageDlg.h"
#include "platform/StringList.h"

// Runs one Output command over SuccessLines with fresh working state.
// DestFolder ends in "\" unless it is empty. Lets no exception out.
void OutputShortcuts(HWND Owner, const std::string& DestFolder, const TStringList& SuccessLines);
