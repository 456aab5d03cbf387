// The drop target on a form of the test's own, on the test's thread: hooks,
// chaining, starting, and what a real WM_DROPFILES with a DROPFILES block
// turns into.
#include "import/DragDropFile.h"

#include <gtest/gtest.h>

#include <typeinfo>

#include "platform/Form.h"
#include "support/GuiSupport.h"
#include "support/TestSupport.h"

namespace {

TFormParams TestWindow(const char* Caption) {
    TFormParams p;
    p.ClassName = "DropTestForm";
    p.Caption = Caption;
    p.Left = 50;
    p.Top = 50;
    return p;
}

// Stands in the window procedure chain and counts what passes it.
struct Spy {
    TWndMethod Next;
    int* DropFiles;
    int* Others;
    void operator()(TMessage& M) const {
        if (M.Msg == WM_DROPFILES) ++*DropFiles;
        else if (M.Msg == WM_APP) ++*Others;
        if (Next) Next(M);
    }
};

void Activate(TForm& Form) {
    ::ShowWindow(Form.Handle(), SW_SHOW);
    ::SetActiveWindow(Form.Handle());
    PumpMessages(50);
}

bool AcceptsFiles(const TForm& Form) {
    return (::GetWindowLongPtrA(Form.Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
}

}  // namespace

TEST(DragDropFileGui, ActivationChainsTheSavedHandlerAndHooksOnce) {
    RequireCodePage932();
    TForm form(nullptr, TestWindow("drop target"));
    TForm other(nullptr, TestWindow("other"));
    int activations = 0;
    form.OnActivate = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &form);
        ++activations;
    };
    auto* drop = form.Own(std::make_unique<TDragDropFile>(&form));
    drop->SetAutoStart(true);
    EXPECT_FALSE(drop->Started());

    Activate(form);
    EXPECT_EQ(activations, 1);
    EXPECT_TRUE(drop->Started());
    EXPECT_TRUE(AcceptsFiles(form));

    // Whatever stands in the procedure now must stay there: a second hook
    // would put the component in front of it again.
    int drops = 0, others = 0;
    form.WindowProc = Spy{form.WindowProc, &drops, &others};
    Activate(other);
    Activate(form);
    EXPECT_EQ(activations, 2);
    EXPECT_NE(form.WindowProc.target<Spy>(), nullptr) << "hooked again";
}

TEST(DragDropFileGui, DropsReachTheEventButNeverTheFormsProcedure) {
    RequireCodePage932();
    TForm form(nullptr, TestWindow("drop target"));
    int drops = 0, others = 0;
    form.WindowProc = Spy{form.WindowProc, &drops, &others};  // the form's own procedure, as the component finds it
    auto* drop = form.Own(std::make_unique<TDragDropFile>(&form));
    std::vector<std::string> received;
    TObject* sender = nullptr;
    drop->OnFileDrop = [&](TObject* Sender, TStringList& Names) {
        sender = Sender;
        received = Names.Items();
    };
    drop->Start();

    // Index 0 first; a 300-byte path arrives whole, and so do Shift-JIS
    // names whose second bytes are "\".
    const std::string longPath = "C:\\" + std::string(290, 'x') + "\\a.txt";
    const std::vector<std::string> paths = {"C:\\dir\\表.txt", longPath, "C:\\ソ\\b.htm"};
    PostDropFiles(form.Handle(), paths);
    ::PostMessageA(form.Handle(), WM_APP, 0, 0);
    PumpMessages(200);
    EXPECT_EQ(sender, drop);
    ASSERT_EQ(received.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(Escaped(received[i]), Escaped(paths[i])) << i;
    EXPECT_EQ(drops, 0) << "WM_DROPFILES reached the form's procedure";
    EXPECT_EQ(others, 1) << "other messages must pass unchanged";
}

TEST(DragDropFileGui, WithoutAutoStartNothingIsAcceptedUntilStart) {
    RequireCodePage932();
    TForm form(nullptr, TestWindow("drop target"));
    auto* drop = form.Own(std::make_unique<TDragDropFile>(&form));
    int events = 0;
    drop->OnFileDrop = [&](TObject*, TStringList&) { ++events; };
    Activate(form);
    EXPECT_FALSE(drop->Started());
    EXPECT_FALSE(AcceptsFiles(form));

    drop->Start();
    EXPECT_TRUE(AcceptsFiles(form));
    int drops = 0, others = 0;
    form.WindowProc = Spy{form.WindowProc, &drops, &others};
    drop->Start();  // changes nothing
    EXPECT_NE(form.WindowProc.target<Spy>(), nullptr);
    PostDropFiles(form.Handle(), {"C:\\a.txt"});
    PumpMessages(200);
    EXPECT_EQ(events, 1);
}

TEST(DragDropFileGui, WithoutHandlerTheDropIsReleased) {
    RequireCodePage932();
    TForm form(nullptr, TestWindow("drop target"));
    auto* drop = form.Own(std::make_unique<TDragDropFile>(&form));
    drop->Start();
    HGLOBAL block = PostDropFiles(form.Handle(), {"C:\\a.txt"});
    PumpMessages(200);
    EXPECT_EQ(::GlobalFlags(block), GMEM_INVALID_HANDLE) << "DragFinish was not called";
}

TEST(DragDropFileGui, AnOwnerThatIsNoFormIsRefused) {
    TComponent notAForm(nullptr);
    EXPECT_THROW(TDragDropFile drop(&notAForm), std::bad_cast);
}
