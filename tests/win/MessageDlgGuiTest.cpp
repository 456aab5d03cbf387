// MessageDlg as a person meets it: a modal dialog over its owner with the
// message in a static control and the offered answers as push buttons in the
// fixed order, each answering its code.
#include "platform/MessageDlg.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/Form.h"
#include "support/GuiSupport.h"
#include "support/PromptSupport.h"
#include "support/TestSupport.h"

namespace {

TFormParams OwnerWindow() {
    TFormParams p;
    p.ClassName = "PromptOwner";
    p.Caption = "owner";
    return p;
}

}  // namespace

TEST(MessageDlgGui, ButtonsInOrderAnswerTheirCodes) {
    RequireCodePage932();
    TForm owner(nullptr, OwnerWindow());
    ::ShowWindow(owner.Handle(), SW_SHOW);
    const std::string text = "\"ソ表\"このページ名は既に使われています\r\n上書きしますか?";
    struct Row {
        TMsgDlgType Type;
        TMsgDlgButtons Buttons;
        std::string Caption;
        std::vector<std::string> Shown;
        const char* Press;
        int Answer;
    } rows[] = {
        {mtWarning, {mbYes, mbNo, mbCancel, mbAll}, "警告", {YesButton, NoButton, CancelButton, AllButton}, YesButton, mrYes},
        {mtWarning, {mbAll, mbCancel, mbNo, mbYes}, "警告", {YesButton, NoButton, CancelButton, AllButton}, NoButton, mrNo},
        {mtWarning, mbYes | mbNo | mbCancel | mbAll, "警告", {YesButton, NoButton, CancelButton, AllButton}, CancelButton, mrCancel},
        {mtError, {mbYes, mbNo, mbAll}, "エラー", {YesButton, NoButton, AllButton}, AllButton, mrAll},
        {mtError, {mbYes, mbNo, mbAll}, "エラー", {YesButton, NoButton, AllButton}, NoButton, mrNo},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.Press);
        int answer = 0;
        auto seen = WithAnswers({r.Press}, [&] {
            answer = MessageDlg(owner.Handle(), text, r.Type, r.Buttons);
        });
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(Escaped(seen[0].Caption), Escaped(r.Caption));
        EXPECT_EQ(Escaped(seen[0].Text), Escaped(text));
        EXPECT_EQ(seen[0].Buttons, r.Shown);
        EXPECT_EQ(answer, r.Answer);
    }
}

TEST(MessageDlgGui, IsModalToItsOwnerAndClosingAnswersCancelOrNo) {
    RequireCodePage932();
    TForm owner(nullptr, OwnerWindow());
    ::ShowWindow(owner.Handle(), SW_SHOW);
    struct Row {
        TMsgDlgButtons Buttons;
        int Answer;
    } rows[] = {
        {{mbYes, mbNo, mbCancel, mbAll}, mrCancel},
        {{mbYes, mbNo, mbAll}, mrNo},
        {mbOK, mrOk},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.Answer);
        std::atomic<bool> ownerWasDisabled{false}, closed{false};
        std::thread closer([&] {
            HWND prompt = nullptr;
            WaitUntil([&] { return (prompt = FindPrompt()) != nullptr; });
            ownerWasDisabled = !::IsWindowEnabled(owner.Handle());
            EXPECT_EQ(::GetWindow(prompt, GW_OWNER), owner.Handle());
            ::PostMessageA(prompt, WM_CLOSE, 0, 0);  // the close box
            closed = true;
        });
        int answer = MessageDlg(owner.Handle(), "本文", mtWarning, r.Buttons);
        closer.join();
        EXPECT_TRUE(closed);
        EXPECT_TRUE(ownerWasDisabled);
        EXPECT_TRUE(::IsWindowEnabled(owner.Handle()));
        EXPECT_EQ(answer, r.Answer);
    }
}
