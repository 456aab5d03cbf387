// Preview benchmark: a 5 MB link list loaded into the import window's kind of
// memo the way FileNameListChange does it (read, line breaks made CR LF, the
// first part shown, the rest added a part per message), against the floor of
// reading the same file in the same run. What matters is the longest time the
// window cannot answer: the first part, or the slowest later one. The whole
// text in one WM_SETTEXT is measured beside it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "import/PreviewContent.h"
#include "platform/FileIO.h"
#include "platform/Form.h"
#include "platform/Memo.h"

namespace {

constexpr int Repetitions = 5;

double Now() {
    LARGE_INTEGER f, t;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

template <typename F>
double Best(F&& Run) {
    double best = 1e9;
    for (int i = 0; i < Repetitions; ++i) {
        double start = Now();
        Run();
        best = std::min(best, Now() - start);
    }
    return best;
}

}  // namespace

int main() {
    char temp[MAX_PATH + 1];
    ::GetTempPathA(sizeof temp, temp);
    const std::string file = std::string(temp) + "preview-bench.txt";
    std::string text;
    // Lone LF, as a list from elsewhere may have it: every line break is rewritten.
    for (int i = 0; text.size() < 5 * 1024 * 1024; ++i)
        text += "お気に入り" + std::to_string(i) + "=http://www.example.jp/page/" + std::to_string(i) + "\n";
    WriteFileBytes(file, text);

    TFormParams p;
    p.ClassName = "PreviewBench";
    p.Caption = "preview";
    p.Width = 328;
    p.Height = 269;
    TForm form(nullptr, p);
    auto* memo = form.Own(std::make_unique<TMemo>(&form, 4, 148, 321, 117));
    ::ShowWindow(form.Handle(), SW_SHOW);

    double floor = Best([&] { ReadFileBytes(file); });
    std::size_t shown = 0;
    double whole = Best([&] {
        std::string content;
        PreviewContentOf(ReadFileBytes(file), content);
        memo->SetText(content);
    });
    double first = 1e9, slowest = 0, total = 1e9;
    for (int i = 0; i < Repetitions; ++i) {
        memo->Clear();
        double start = Now();
        std::string content;
        PreviewContentOf(ReadFileBytes(file), content);
        memo->BeginText(content);
        double shownAt = Now();
        first = std::min(first, shownAt - start);
        double partStart = shownAt;
        while (memo->AppendPart()) {
            double t = Now();
            slowest = std::max(slowest, t - partStart);
            partStart = t;
        }
        total = std::min(total, Now() - start);
        shown = static_cast<std::size_t>(::SendMessageA(memo->Handle(), WM_GETTEXTLENGTH, 0, 0));
    }
    ::DeleteFileA(file.c_str());
    std::printf("file: %zu bytes, preview holds %zu bytes\n", text.size(), shown);
    std::printf("read (floor): %.3f s\n", floor);
    std::printf("in parts: first part shown after %.3f s, slowest later part %.3f s, all in %.3f s (%.0f x floor)\n",
                first, slowest, total, total / floor);
    std::printf("one WM_SETTEXT: %.3f s (%.0f x floor)\n", whole, whole / floor);
    return 0;
}
