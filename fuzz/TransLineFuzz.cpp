// Link line recognition over any bytes: both recognizers, the <BR> removal
// and the whole conversion. A folder line obeys the rule Output reads it by,
// and no "<BR>" survives its removal.
#include <string>

#include "FuzzCheck.h"
#include "import/LinkLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const std::string text(reinterpret_cast<const char*>(Data), Size);

    const std::string cleaned = RemoveBreakTags(text);
    FUZZ_CHECK(cleaned.find("<BR>") == std::string::npos);
    FUZZ_CHECK(cleaned.size() <= text.size());

    std::string title, url;
    (void)ParseAnchorLine(text, title, url);
    (void)ParsePairLine(text, title, url);
    const TTransLine line = TransLine(text);
    if (line.Kind == TLineKind::Folder) FUZZ_CHECK(IsFolderLine(line.Text));

    TStringList preview, success, fail;
    preview.SetText(text);
    ConvertLines(preview, success, fail);
    FUZZ_CHECK(success.Count() + fail.Count() == preview.Count());
    return 0;
}
