// The prompts of MessageDlg as a test sees them from a second thread: wait
// for the next one, read its caption, message and buttons, press a button.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct SeenPrompt {
    std::string Caption, Text;
    std::vector<std::string> Buttons;  // captions in their order on the dialog
    bool operator==(const SeenPrompt& O) const { return Caption == O.Caption && Text == O.Text && Buttons == O.Buttons; }
};

// The buttons' captions, as MessageDlg labels them.
extern const char* const YesButton;
extern const char* const NoButton;
extern const char* const CancelButton;
extern const char* const AllButton;

// A visible MessageDlg prompt of this process, or nullptr.
HWND FindPrompt();

// Waits for the next prompt (until Stop says so, or TimeoutMs), reads it,
// presses the button captioned Answer and waits until the prompt is gone.
// An empty Caption means no prompt came.
SeenPrompt AnswerPrompt(const std::string& Answer, const std::function<bool()>& Stop = nullptr,
                        DWORD TimeoutMs = 10000);

// Runs Action on this thread while a second thread answers its prompts with
// Answers in turn. Prompts beyond Answers are recorded and closed (Cancel,
// or No where there is no Cancel), so Action never hangs; the result lists
// every prompt seen.
std::vector<SeenPrompt> WithAnswers(const std::vector<std::string>& Answers, const std::function<void()>& Action);

// Readable form of a prompt for failure messages.
std::string Describe(const SeenPrompt& Prompt);

// The importer's two prompts as they must look.
SeenPrompt OverwritePrompt(const std::string& Name);
SeenPrompt ErrorPrompt(const std::string& Path);

// One failure listing both sequences when they differ.
void ExpectPrompts(const std::vector<SeenPrompt>& Seen, const std::vector<SeenPrompt>& Expected);
