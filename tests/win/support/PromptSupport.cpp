#include "PromptSupport.h"

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#include "GuiSupport.h"
#include "TestSupport.h"
#include "import/OutputPlan.h"

const char* const YesButton = "はい(&Y)";
const char* const NoButton = "いいえ(&N)";
const char* const CancelButton = "キャンセル";
const char* const AllButton = "すべて(&A)";

namespace {

constexpr int MessageControlId = 0xFFFF;  // the static control that holds the message

SeenPrompt Read(HWND Dialog) {
    SeenPrompt p;
    p.Caption = WindowText(Dialog);
    p.Text = WindowText(::GetDlgItem(Dialog, MessageControlId));
    for (HWND b : ChildrenOfClass(Dialog, "Button")) p.Buttons.push_back(WindowText(b));
    return p;
}

void Press(HWND Dialog, const std::string& Answer) {
    HWND button = FindButton(Dialog, Answer);
    if (button) ClickButton(button);
    else ::PostMessageA(Dialog, WM_COMMAND, IDCANCEL, 0);  // no such button: still let the caller go on
    WaitUntil([&] { return !::IsWindow(Dialog) || !::IsWindowVisible(Dialog); });
}

}  // namespace

HWND FindPrompt() {
    for (HWND w : OwnWindows())
        if (ClassOf(w) == "#32770") return w;
    return nullptr;
}

SeenPrompt AnswerPrompt(const std::string& Answer, const std::function<bool()>& Stop, DWORD TimeoutMs) {
    HWND dialog = nullptr;
    WaitUntil([&] { return (dialog = FindPrompt()) != nullptr || (Stop && Stop()); }, TimeoutMs);
    if (!dialog) return {};
    // The message and the buttons are made before the dialog shows, but let
    // its creation finish before reading.
    WaitUntil([&] { return FindButton(dialog, Answer) != nullptr; }, 2000);
    SeenPrompt seen = Read(dialog);
    Press(dialog, Answer);
    return seen;
}

std::vector<SeenPrompt> WithAnswers(const std::vector<std::string>& Answers, const std::function<void()>& Action) {
    std::atomic<bool> done{false};
    std::vector<SeenPrompt> seen;
    std::thread answerer([&] {
        auto stop = [&] { return done.load(); };
        for (const std::string& answer : Answers) {
            SeenPrompt p = AnswerPrompt(answer, stop, 20000);
            if (p.Caption.empty()) return;
            seen.push_back(p);
        }
        while (!done) {
            HWND extra = FindPrompt();
            if (extra) {
                SeenPrompt p = Read(extra);
                seen.push_back(p);
                Press(extra, FindButton(extra, CancelButton) ? CancelButton : NoButton);
            }
            ::Sleep(20);
        }
    });
    Action();
    done = true;
    answerer.join();
    return seen;
}

std::string Describe(const SeenPrompt& Prompt) {
    std::string out = Escaped(Prompt.Caption) + ": " + Escaped(Prompt.Text) + " [";
    for (const auto& b : Prompt.Buttons) out += Escaped(b) + " ";
    return out + "]";
}

SeenPrompt OverwritePrompt(const std::string& Name) {
    return {"警告", OverwritePromptText(Name), {YesButton, NoButton, CancelButton, AllButton}};
}

SeenPrompt ErrorPrompt(const std::string& Path) {
    return {"エラー", ErrorPromptText(Path), {YesButton, NoButton, AllButton}};
}

void ExpectPrompts(const std::vector<SeenPrompt>& Seen, const std::vector<SeenPrompt>& Expected) {
    std::string seen, expected;
    for (const auto& p : Seen) seen += Describe(p) + "\n";
    for (const auto& p : Expected) expected += Describe(p) + "\n";
    EXPECT_EQ(seen, expected);
}
