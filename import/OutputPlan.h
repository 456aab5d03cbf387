// The Output command without the platform: how a success-list line reads, the
// URL cut, the prompts' texts, and the run over all lines with its working
// state and answers. The file system and the prompts come in through
// TOutputSystem, so the whole command is testable without Windows.
//
// A link list is text from the web: no line may make a file or folder outside
// the favourites folder, so every path is checked before it is touched.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/StringList.h"

enum class TOutputLineKind { Empty, Folder, Entry };

struct TOutputLine {
    TOutputLineKind Kind = TOutputLineKind::Empty;
    std::string Folder;  // folder line: the text between the brackets
    std::string Name;    // entry line: the text before the first "="
    std::string URL;     // entry line: the text after it, cut by CutURL
};

// A line of the success list. Folder lines follow IsFolderLine, the rule the
// conversion writes them by; a line without "=" is an entry with an empty
// name and the line as its URL.
TOutputLine ReadOutputLine(std::string_view Line);

constexpr std::size_t MaxURLBytes = 255;

// At most MaxURLBytes bytes, never half a double-byte character.
std::string_view CutURL(std::string_view URL);

// True when DestFolder + SubFolder (SubFolder: a folder line's name and "\")
// names a folder inside DestFolder that Windows can hold: no "..", no drive,
// UNC or stream prefix (no ":" at all), "/" counted as a separator, no
// character a file name may not hold, no device name, no ill-formed
// double-byte character.
bool IsSafeFolder(std::string_view DestFolder, std::string_view SubFolder);

// The same for the shortcut file DestFolder + SubFolder + Name + ".URL".
bool IsSafeShortcut(std::string_view DestFolder, std::string_view SubFolder, std::string_view Name);

// The overwrite prompt for an existing shortcut, and the error prompt for a
// line that failed (Path: the shortcut path as the working state gives it).
std::string OverwritePromptText(std::string_view Name);
std::string ErrorPromptText(std::string_view Path);

// What Output needs of the system. The Ask* calls return the prompt's answer
// as mrYes, mrNo, mrCancel or mrAll (platform/MessageDlg.h) or anything else
// the platform gives for a prompt closed without a button.
class TOutputSystem {
public:
    virtual ~TOutputSystem() = default;
    virtual bool FileExists(const std::string& Path) = 0;
    virtual void ForceDirectories(const std::string& Path) = 0;
    virtual void WriteShortcut(const std::string& Path, const std::string& URL) = 0;
    virtual int AskOverwrite(const std::string& Text) = 0;  // warning: Yes, No, Cancel, All
    virtual int AskError(const std::string& Text) = 0;      // error: Yes, No, All
};

// One Output command over Lines, with fresh working state. Each line runs
// under its own guard: whatever it throws brings the error prompt instead.
// An error raised by a prompt itself leaves this function.
void RunOutput(std::string_view DestFolder, const TStringList& Lines, TOutputSystem& System);
