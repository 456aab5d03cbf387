#include "plugin/KeshPlugins.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "Hex.h"
#include "plugin/Descriptors.h"

namespace {

constexpr int kOwn = 1 << 30;

struct SplitCase {
    const char* Name;
    std::string Block;
    int BlockSize;  // kOwn: the block's own length
    std::vector<std::string> Expected;
};

TEST(SplitArgumentBlock, Table) {
    const SplitCase cases[] = {
        {"two strings, only string 0 used", std::string("C:\\Fav\\\0x\0", 10), kOwn, {"C:\\Fav\\", "x"}},
        {"empty string ends the sequence", std::string("A\0\0B\0", 5), kOwn, {"A"}},
        {"bytes after the last NUL are dropped", std::string("A\0BC", 4), kOwn, {"A"}},
        {"size zero", std::string("A\0", 2), 0, {}},
        {"negative size", std::string("A\0", 2), -5, {}},
        {"first byte NUL", std::string("\0A\0", 3), kOwn, {}},
        {"size cuts before the NUL", std::string("AB\0", 3), 2, {}},
        {"shift-jis bytes pass whole", std::string("C:\\お気に入り") + std::string(1, '\0'), kOwn,
         {"C:\\お気に入り"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TStringList list;
        int size = c.BlockSize == kOwn ? static_cast<int>(c.Block.size()) : c.BlockSize;
        SplitArgumentBlock(c.Block.data(), size, list);
        EXPECT_EQ(list.Items(), c.Expected);
    }
}

TEST(SplitArgumentBlock, AppendsToWhatTheListHolds) {
    TStringList list;
    list.Add("before");
    SplitArgumentBlock("x\0", 2, list);
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list[1], "x");
}

using Bytes = std::array<unsigned char, descriptor::Size>;

Bytes Filled(const TPluginInfo& Info) {
    Bytes b;
    b.fill(0xAA);
    WritePluginDescriptor(b.data(), Info);
    return b;
}

void ExpectNumber(const Bytes& B, std::size_t Offset, std::int32_t Value) {
    auto u = static_cast<std::uint32_t>(Value);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(B[Offset + i], (u >> (8 * i)) & 0xFF) << "offset " << Offset + i;
}

void ExpectText(const Bytes& B, std::size_t Offset, std::size_t Width, const std::string& Text) {
    ASSERT_LT(Text.size(), Width);
    EXPECT_EQ(Hex(std::string(reinterpret_cast<const char*>(&B[Offset]), Text.size())), Hex(Text));
    for (std::size_t i = Text.size(); i < Width; ++i) EXPECT_EQ(B[Offset + i], 0) << "offset " << Offset + i;
}

struct DescriptorCase {
    const char* Deliverable;
    const TPluginInfo* Info;
    std::int32_t N1, N2, N3, N4, N5;
    std::string Name, Caption, Description;
};

TEST(Descriptor, AllFiveDeliverables) {
    const DescriptorCase cases[] = {
        {"Wendrel", &WendrelInfo, 100, 200, 1, 101, 200, "Export Razuzezor2EVO by QEV", "一覧出力(&CSV)",
         "お気に入りをCSVﾌｧｲﾙに一覧出力します"},
        {"Quimsby", &QuimsbyInfo, 100, 200, 1, 101, 200, "Export Zazezirur2Izod by QEV", "一覧出力(&Text)",
         "お気に入りをﾃｷｽﾄﾌｧｲﾙに一覧出力します"},
        {"Dorrant", &DorrantInfo, 100, 200, 1, 101, 200, "Export Veduravor2IvozUvero by QEV", "一覧出力(Ht&ml特殊)",
         "お気に入りをHTML特殊ﾌｧｲﾙに一覧出力します"},
        {"Sabrel", &SabrelInfo, 100, 200, 1, 101, 200, "Export Ravavivoz2Oziz by Morvane,QEV", "一覧出力(&Html)",
         "お気に入りをHTMLﾌｧｲﾙに一覧出力します"},
        {"Tovane", &TovaneInfo, 101, 200, 2, 101, 211, "Inport Veda2Deziruziz by Morvanne,QEV", "取り込み(&I)",
         "ﾃｷｽﾄﾌｧｲﾙやHTMLﾌｧｲﾙからお気に入りに変換します"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Deliverable);
        Bytes b = Filled(*c.Info);
        ExpectNumber(b, 0, c.N1);
        ExpectText(b, 4, 50, c.Name);
        EXPECT_EQ(b[54], 0xAA);
        EXPECT_EQ(b[55], 0xAA);
        ExpectNumber(b, 56, c.N2);
        ExpectNumber(b, 60, c.N3);
        ExpectText(b, 64, 50, c.Caption);
        ExpectText(b, 114, 80, c.Description);
        EXPECT_EQ(b[194], 0xAA);
        EXPECT_EQ(b[195], 0xAA);
        ExpectNumber(b, 196, c.N4);
        ExpectNumber(b, 200, c.N5);
        EXPECT_EQ(b, Filled(*c.Info)) << "a second call writes the same bytes";
    }
}

TEST(Descriptor, HalfWidthKatakanaAreSingleBytes) {
    // The longest caption is 19 bytes and the longest description 44.
    EXPECT_EQ(std::strlen(DorrantInfo.MenuCaption), 19u);
    EXPECT_EQ(std::strlen(TovaneInfo.Description), 44u);
    EXPECT_EQ(std::strlen("ﾌｧｲﾙ"), 4u);
}

}  // namespace
