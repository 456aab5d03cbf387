#include "import/ShortcutOutput.h"

#include "import/OutputPlan.h"
#include "platform/FileIO.h"
#include "plugin/Shortcut.h"

namespace {

// Output's calls on the real file system and the real prompts.
class TShortcutSystem final : public TOutputSystem {
public:
    explicit TShortcutSystem(HWND Owner) : FOwner(Owner) {}

    bool FileExists(const std::string& Path) override { return ::FileExists(Path); }
    void ForceDirectories(const std::string& Path) override { ::ForceDirectories(Path); }
    void WriteShortcut(const std::string& Path, const std::string& URL) override { ::WriteShortcut(Path, URL); }
    int AskOverwrite(const std::string& Text) override {
        return MessageDlg(FOwner, Text, mtWarning, {mbYes, mbNo, mbCancel, mbAll});
    }
    int AskError(const std::string& Text) override { return MessageDlg(FOwner, Text, mtError, {mbYes, mbNo, mbAll}); }

private:
    HWND FOwner;
};

}  // namespace

void OutputShortcuts(HWND Owner, const std::string& DestFolder, const TStringList& SuccessLines) {
    try {
        TShortcutSystem system(Owner);
        RunOutput(DestFolder, SuccessLines, system);
    } catch (...) {
        // Only a prompt that could not be shown gets here; the lines are
        // guarded one by one, so Output simply ends as after a Cancel.
    }
}
