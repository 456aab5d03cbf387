// The conversion of a large link list, against the floor of only splitting the
// same text into lines. Prints both rates and their ratio (target: <= 3.0).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "import/LinkLine.h"
#include "platform/StringList.h"

namespace {

constexpr std::size_t LineCount = 1000000;

// Exported and hand-written lines in a mix: anchors with and without
// comments, "=" and blank pairs, headings, and lines that are rejected.
std::string MakeList() {
    std::string text;
    text.reserve(LineCount * 64);
    for (std::size_t i = 0; i < LineCount; ++i) {
        const std::string n = std::to_string(i);
        switch (i % 10) {
            case 0: text += "<BR>"; break;
            case 1: text += "[お気に入り\\ソフト" + n + "]<BR>"; break;
            case 2: text += "<A HREF=\"http://www.example.com/page" + n + ".html\">ページ" + n + "</A>"; break;
            case 3:
                text += "<A HREF=\"https://example.jp/" + n + "\">表示 " + n + "</A>:コメント<BR>";
                break;
            case 4: text += "Title " + n + "=http://example.org/?id=" + n; break;
            case 5: text += "二語 題名 http://example.net/" + n; break;
            case 6: text += ",Row" + n + ",http://csv/" + n + ",c,2026/01/02 03:04:06,"; break;
            case 7: text += "Secure=https://example.com/" + n; break;
            case 8: text += "<li><a href=\"http://x/" + n + "\" target=\"_blank\"><b>太字</b></a></li>"; break;
            default: text += "plain text that is not a link at all " + n; break;
        }
        text += "\r\n";
    }
    return text;
}

template <class F>
double BestSeconds(int Rounds, F&& Run) {
    double best = 1e300;
    for (int r = 0; r < Rounds; ++r) {
        auto start = std::chrono::steady_clock::now();
        Run();
        std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

}  // namespace

int main() {
    const std::string text = MakeList();
    const double mb = static_cast<double>(text.size()) / (1024.0 * 1024.0);
    std::size_t sink = 0;

    const double floor = BestSeconds(5, [&] {
        TStringList lines;
        lines.SetText(text);
        sink += lines.Count();
    });
    const double convert = BestSeconds(5, [&] {
        TStringList lines, success, fail;
        lines.SetText(text);
        ConvertLines(lines, success, fail);
        sink += success.Count() + fail.Count();
    });

    std::printf("list: %zu lines, %.1f MB (checksum %zu)\n", LineCount, mb, sink);
    std::printf("split only (floor): %8.1f MB/s  %.3f s\n", mb / floor, floor);
    std::printf("split + TransLine:  %8.1f MB/s  %.3f s\n", mb / convert, convert);
    std::printf("ratio: %.2f (target <= 3.0)\n", convert / floor);
    return 0;
}
