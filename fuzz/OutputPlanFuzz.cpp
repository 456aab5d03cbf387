// Output over any success list: every path it asks about, makes or writes
// stays inside the favourites folder as Windows would resolve it, whatever
// the prompts answer.
#include <fuzzer/FuzzedDataProvider.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "import/OutputPlan.h"
#include "platform/AnsiText.h"
#include "platform/MessageDlg.h"

namespace {

bool IsTrail(unsigned char B) { return (B >= 0x40 && B <= 0x7E) || (B >= 0x80 && B <= 0xFC); }

bool IsDevice(std::string Piece) {
    Piece = Piece.substr(0, Piece.find('.'));
    while (!Piece.empty() && Piece.back() == ' ') Piece.pop_back();
    for (char& c : Piece)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    for (const char* d : {"con", "prn", "aux", "nul", "conin$", "conout$"})
        if (Piece == d) return true;
    return Piece.size() == 4 && (Piece.compare(0, 3, "com") == 0 || Piece.compare(0, 3, "lpt") == 0) &&
           Piece[3] >= '1' && Piece[3] <= '9';
}

// Path must be Dest followed by pieces Windows keeps below Dest: no "..",
// no piece it trims to nothing, no drive or stream colon, no device, and no
// double-byte character that a reader could split differently.
void CheckInside(const std::string& Dest, const std::string& Path) {
    FUZZ_CHECK(Path.compare(0, Dest.size(), Dest) == 0);
    const std::string rel = Path.substr(Dest.size());
    if (rel.empty()) return;
    const bool destEnds = Dest.back() == '\\' || Dest.back() == '/';
    FUZZ_CHECK(destEnds || rel.front() == '\\' || rel.front() == '/');
    std::vector<std::string> pieces(1);
    for (std::size_t i = 0; i < rel.size(); ++i) {
        const auto b = static_cast<unsigned char>(rel[i]);
        FUZZ_CHECK(rel[i] != ':' && b >= 0x20);
        if (IsLeadByte(b)) {
            FUZZ_CHECK(i + 1 < rel.size() && IsTrail(static_cast<unsigned char>(rel[i + 1])));
            pieces.back().append(rel, i, 2);
            ++i;
        } else if (rel[i] == '\\' || rel[i] == '/') {
            pieces.emplace_back();
        } else {
            pieces.back() += rel[i];
        }
    }
    for (const std::string& piece : pieces) {
        if (piece.empty()) continue;
        FUZZ_CHECK(piece.find_first_not_of(". ") != std::string::npos);
        FUZZ_CHECK(!IsDevice(piece));
    }
}

class TCheckingSystem : public TOutputSystem {
public:
    TCheckingSystem(std::string Dest, std::string Answers) : FDest(std::move(Dest)), FAnswers(std::move(Answers)) {}

    bool FileExists(const std::string& Path) override {
        CheckInside(FDest, Path);
        return Next() & 1;
    }
    void ForceDirectories(const std::string& Path) override {
        CheckInside(FDest, Path);
        if (Next() % 7 == 0) throw std::runtime_error("cannot make the folder");
    }
    void WriteShortcut(const std::string& Path, const std::string&) override {
        CheckInside(FDest, Path);
        if (Next() % 11 == 0) throw std::runtime_error("cannot write");
    }
    int AskOverwrite(const std::string&) override { return Answer({mrYes, mrNo, mrCancel, mrAll, 0}); }
    int AskError(const std::string&) override { return Answer({mrYes, mrNo, mrAll, mrYes}); }

private:
    unsigned char Next() {
        if (FAnswers.empty()) return 1;
        return static_cast<unsigned char>(FAnswers[FNext++ % FAnswers.size()]);
    }
    int Answer(std::initializer_list<int> Choices) { return Choices.begin()[Next() % Choices.size()]; }

    const std::string FDest;
    const std::string FAnswers;
    std::size_t FNext = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    // Favourites folders with and without the final "\", and one whose last
    // character is "ソ" (0x83 0x5C) so its second byte is no delimiter.
    static const char* const dests[] = {"C:\\Fav\\", "C:\\Fav", "C:\\Fav\x83\x5C", "C:\\Fav\x83\x5C\\",
                                        "\\\\server\\share\\Fav\\", "C:\\"};
    FuzzedDataProvider input(Data, Size);
    const std::string dest = dests[input.ConsumeIntegralInRange<std::size_t>(0, std::size(dests) - 1)];
    TCheckingSystem system(dest, input.ConsumeRandomLengthString(16));
    TStringList lines;
    lines.SetText(input.ConsumeRemainingBytesAsString());
    RunOutput(dest, lines, system);
    return 0;
}
