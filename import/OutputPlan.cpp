#include "import/OutputPlan.h"

#include <cstring>

#include "import/LinkLine.h"
#include "platform/AnsiText.h"
#include "platform/FilePath.h"
#include "platform/MessageDlg.h"

namespace {

constexpr std::string_view ShortcutExt = ".URL";

bool IsSeparator(char C) { return C == '\\' || C == '/'; }

// Second bytes that code page 932 gives a double-byte character. Any other
// byte after a lead byte makes a sequence Windows may read differently from
// us, and a "/" or "." hidden that way must not slip past the checks.
bool IsTrailByte(unsigned char B) { return (B >= 0x40 && B <= 0x7E) || (B >= 0x80 && B <= 0xFC); }

// Single-byte characters no Windows file name holds; ":" also opens a drive
// prefix or an NTFS stream name.
bool IsForbiddenChar(unsigned char B) { return B < 0x20 || std::strchr("<>:\"|?*", B) != nullptr; }

// CON, NUL, COM1 and the rest open a device instead of a file, also with an
// extension and trailing blanks.
bool IsDeviceName(std::string_view Piece) {
    std::string_view base = Piece.substr(0, Piece.find('.'));
    while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
    const std::string low = AnsiLowerCase(base);
    static const char* const devices[] = {"con", "prn", "aux", "nul", "conin$", "conout$"};
    for (const char* d : devices)
        if (low == d) return true;
    return low.size() == 4 && (low.compare(0, 3, "com") == 0 || low.compare(0, 3, "lpt") == 0) && low[3] >= '1' &&
           low[3] <= '9';
}

// A piece between separators. Empty pieces ("a\\b", the lone "\" of the root
// heading) are collapsed by the file system and harmless. Checked is the part
// that names the piece; the whole piece is what the file system sees.
bool IsSafePiece(std::string_view Checked, std::string_view Whole) {
    if (!Checked.empty() && Checked.find_first_not_of(". ") == std::string_view::npos)
        return false;  // ".", ".." and names that Windows trims to nothing
    return !IsDeviceName(Whole);
}

// Rel is what gets appended to DestFolder. The last SuffixLength bytes are
// our own extension, left out when the last piece's name is judged.
bool IsSafeRelative(std::string_view DestFolder, std::string_view Rel, std::size_t SuffixLength) {
    if (Rel.empty()) return true;
    const bool destEndsInSeparator =
        !DestFolder.empty() && (IsPathDelimiter(DestFolder, DestFolder.size()) || DestFolder.back() == '/');
    if (DestFolder.empty() && IsSeparator(Rel.front())) return false;     // the root of the current drive
    if (!DestFolder.empty() && !destEndsInSeparator && !IsSeparator(Rel.front()))
        return false;                                                     // would lengthen the folder's own name
    std::size_t pieceStart = 0;
    for (std::size_t i = 0; i < Rel.size();) {
        const auto b = static_cast<unsigned char>(Rel[i]);
        if (IsLeadByte(b)) {
            if (i + 1 >= Rel.size() || !IsTrailByte(static_cast<unsigned char>(Rel[i + 1]))) return false;
            i += 2;
            continue;
        }
        if (IsSeparator(Rel[i])) {
            std::string_view piece = Rel.substr(pieceStart, i - pieceStart);
            if (!IsSafePiece(piece, piece)) return false;
            pieceStart = i + 1;
        } else if (IsForbiddenChar(b)) {
            return false;
        }
        ++i;
    }
    std::string_view last = Rel.substr(pieceStart);
    std::string_view named = last.substr(0, last.size() >= SuffixLength ? last.size() - SuffixLength : 0);
    return IsSafePiece(named, last);
}

bool HasUncPrefix(std::string_view Name) { return Name.size() >= 2 && IsSeparator(Name[0]) && IsSeparator(Name[1]); }

// The folder name of a current subfolder (without the "\" Output added).
std::string_view FolderNameOf(std::string_view SubFolder) {
    return SubFolder.empty() ? SubFolder : SubFolder.substr(0, SubFolder.size() - 1);
}

// One Output command: the working state and the answers it remembers.
class TOutputRun {
public:
    TOutputRun(std::string_view DestFolder, TOutputSystem& System) : FDest(DestFolder), FSystem(System) {}

    void Run(const TStringList& Lines) {
        const std::size_t count = Lines.Count();
        for (std::size_t i = 0; i < count; ++i) {
            TStep step;
            try {
                step = OutputLine(Lines[i]);
            } catch (...) {
                step = TStep::Failed;
            }
            if (step == TStep::Stop) return;
            if (step == TStep::Failed && !Failed()) return;
        }
    }

private:
    enum class TStep { Next, Stop, Failed };

    std::string ShortcutPath() const { return FDest + FSubFolder + FName + std::string(ShortcutExt); }

    TStep OutputLine(std::string_view Text) {
        TOutputLine line = ReadOutputLine(Text);
        switch (line.Kind) {
            case TOutputLineKind::Empty: return TStep::Next;  // only hand editing makes one
            case TOutputLineKind::Folder: return Folder(line.Folder);
            case TOutputLineKind::Entry: return Entry(std::move(line.Name), line.URL);
        }
        return TStep::Next;
    }

    TStep Folder(const std::string& FolderName) {
        // The subfolder changes even when the folder cannot be made, so the
        // entries under it fail in their turn instead of landing elsewhere.
        FSubFolder = FolderName + "\\";
        if (!IsSafeFolder(FDest, FSubFolder)) return TStep::Failed;
        FSystem.ForceDirectories(FDest + FSubFolder);
        return TStep::Next;
    }

    TStep Entry(std::string Name, const std::string& URL) {
        FName = std::move(Name);
        if (!IsSafeShortcut(FDest, FSubFolder, FName)) return TStep::Failed;
        const std::string path = ShortcutPath();
        if (FOverwriteAnswer != mrAll && FSystem.FileExists(path)) {
            FOverwriteAnswer = FSystem.AskOverwrite(OverwritePromptText(FName));
            if (FOverwriteAnswer == mrNo) return TStep::Next;
            if (FOverwriteAnswer == mrCancel) return TStep::Stop;
        }
        FSystem.WriteShortcut(path, URL);
        return TStep::Next;
    }

    // The error prompt for a failed line; false when Output is to stop.
    bool Failed() {
        if (FErrorAnswer == mrAll) return true;
        FErrorAnswer = FSystem.AskError(ErrorPromptText(ShortcutPath()));
        return FErrorAnswer != mrNo;
    }

    const std::string FDest;
    TOutputSystem& FSystem;
    std::string FSubFolder;
    std::string FName;
    int FOverwriteAnswer = 0;
    int FErrorAnswer = 0;
};

}  // namespace

TOutputLine ReadOutputLine(std::string_view Line) {
    TOutputLine out;
    if (Line.empty()) return out;
    if (IsFolderLine(Line)) {
        out.Kind = TOutputLineKind::Folder;
        out.Folder.assign(Line.substr(1, Line.size() - 2));
        return out;
    }
    out.Kind = TOutputLineKind::Entry;
    std::size_t equals = Pos("=", Line);
    if (equals != 0) {
        out.Name.assign(Line.substr(0, equals - 1));
        Line.remove_prefix(equals);
    }
    out.URL.assign(CutURL(Line));
    return out;
}

std::string_view CutURL(std::string_view URL) {
    if (URL.size() <= MaxURLBytes) return URL;
    std::size_t end = 0;
    while (end + CharLengthAt(URL, end) <= MaxURLBytes) end += CharLengthAt(URL, end);
    return URL.substr(0, end);
}

bool IsSafeFolder(std::string_view DestFolder, std::string_view SubFolder) {
    return !HasUncPrefix(FolderNameOf(SubFolder)) && IsSafeRelative(DestFolder, SubFolder, 0);
}

bool IsSafeShortcut(std::string_view DestFolder, std::string_view SubFolder, std::string_view Name) {
    if (HasUncPrefix(FolderNameOf(SubFolder)) || HasUncPrefix(Name)) return false;
    std::string rel;
    rel.reserve(SubFolder.size() + Name.size() + ShortcutExt.size());
    rel.append(SubFolder).append(Name).append(ShortcutExt);
    return IsSafeRelative(DestFolder, rel, ShortcutExt.size());
}

std::string OverwritePromptText(std::string_view Name) {
    std::string text = "\"";
    text.append(Name).append("\"このページ名は既に使われています\r\n上書きしますか?");
    return text;
}

std::string ErrorPromptText(std::string_view Path) {
    std::string text(Path);
    text.append(" は不正なファイル名です\r\n変換を続行しますか?");
    return text;
}

void RunOutput(std::string_view DestFolder, const TStringList& Lines, TOutputSystem& System) {
    TOutputRun(DestFolder, System).Run(Lines);
}
