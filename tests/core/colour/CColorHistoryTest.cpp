#include "core/colour/CColorHistory.h"
#include "core/colour/ColorHistoryFile.h"
#include "core/base/AtomicFile.h"
#include "tests/core/support/TempDir.h"
#include <gtest/gtest.h>

namespace {
HsvColor C(int h, int s = 200, int v = 150)
{
    return {static_cast<int16_t>(h), static_cast<uint8_t>(s), static_cast<uint8_t>(v)};
}

std::string Bytes(const std::vector<uint8_t>& v)
{
    return std::string(v.begin(), v.end());
}

// A file image with the given count field and entry hues.
std::string FileWith(int32_t count, std::initializer_list<int> hues)
{
    std::string s = CColorHistory::kHeader;
    for (int k = 0; k < 4; ++k)
        s.push_back(static_cast<char>(static_cast<uint32_t>(count) >> (8 * k)));
    for (int h : hues) {
        s.push_back(static_cast<char>(h & 255));
        s.push_back(static_cast<char>((h >> 8) & 255));
        s.push_back(char(10));
        s.push_back(char(20));
    }
    return s;
}
} // namespace

TEST(CColorHistory, AddSkipsOnlyARepeatOfTheLastEntry)
{
    CColorHistory h(C(0, 255, 255));
    h.Add(C(0, 255, 255));
    EXPECT_EQ(h.Count(), 1);
    h.Add(C(10));
    h.Add(C(20));
    h.Add(C(10));
    EXPECT_EQ(h.Count(), 4);
    EXPECT_EQ(h.Entry(3), C(10));
    EXPECT_EQ(h.Selected(), 3);

    // A repeat does not move the selection either.
    h.Select(1);
    h.Add(C(10));
    EXPECT_EQ(h.Count(), 4);
    EXPECT_EQ(h.Selected(), 1);
    // A new colour goes to the end even when an older entry is selected.
    h.Add(C(30));
    EXPECT_EQ(h.Entry(4), C(30));
    EXPECT_EQ(h.Selected(), 4);
}

TEST(CColorHistory, TwentyFirstColourDropsTheOldest)
{
    CColorHistory h(C(0));
    for (int i = 1; i < 20; ++i)
        h.Add(C(i));
    ASSERT_EQ(h.Count(), 20);
    h.Add(C(100));
    EXPECT_EQ(h.Count(), 20);
    EXPECT_EQ(h.Entry(0), C(1));
    EXPECT_EQ(h.Entry(18), C(19));
    EXPECT_EQ(h.Entry(19), C(100));
    EXPECT_EQ(h.Selected(), 19);
}

TEST(CColorHistory, StepsStopAtBothEnds)
{
    CColorHistory h(C(0));
    h.Add(C(1));
    h.Add(C(2));
    EXPECT_FALSE(h.SelectNext());
    EXPECT_EQ(h.Selected(), 2);
    EXPECT_TRUE(h.SelectPrevious());
    EXPECT_TRUE(h.SelectPrevious());
    EXPECT_FALSE(h.SelectPrevious());
    EXPECT_EQ(h.Selected(), 0);
    EXPECT_FALSE(h.Select(3));
    EXPECT_EQ(h.Selected(), 0);
}

TEST(CColorHistory, RemovingLastOrFirstOfThree)
{
    CColorHistory h(C(0));
    h.Add(C(1));
    h.Add(C(2));
    ASSERT_TRUE(h.RemoveSelected());
    EXPECT_EQ(h.Count(), 2);
    EXPECT_EQ(h.Selected(), 1);
    EXPECT_EQ(h.SelectedColor(), C(1));

    CColorHistory g(C(0));
    g.Add(C(1));
    g.Add(C(2));
    g.Select(0);
    ASSERT_TRUE(g.RemoveSelected());
    EXPECT_EQ(g.Count(), 2);
    EXPECT_EQ(g.Selected(), 0);
    EXPECT_EQ(g.SelectedColor(), C(1));
    EXPECT_EQ(g.Entry(1), C(2));

    // The last entry cannot go.
    CColorHistory one(C(5));
    EXPECT_FALSE(one.RemoveSelected());
    EXPECT_EQ(one.Count(), 1);
}

TEST(CColorHistory, FileImageLayout)
{
    CColorHistory h(C(0, 255, 255));
    h.Add(C(300, 1, 2));
    h.Add(C(360, 128, 7));
    const auto bytes = h.ToBytes();
    ASSERT_EQ(bytes.size(), 37u);
    EXPECT_EQ(Bytes(bytes).substr(0, 21), "Daubrix Color History");
    EXPECT_EQ(bytes[21], 3);
    EXPECT_EQ(bytes[22] | bytes[23] | bytes[24], 0);
    // Entry 1 at offset 29: hue 300 little-endian, then saturation and value.
    EXPECT_EQ(bytes[29], 300 & 255);
    EXPECT_EQ(bytes[30], 300 >> 8);
    EXPECT_EQ(bytes[31], 1);
    EXPECT_EQ(bytes[32], 2);
    EXPECT_EQ(bytes[33] | bytes[34] << 8, 360);
}

TEST(CColorHistory, ReadBackSelectsLastEntry)
{
    CColorHistory h(C(0));
    h.Add(C(120));
    h.Add(C(240));
    CColorHistory r(C(7));
    ASSERT_EQ(r.FromBytes(Bytes(h.ToBytes())), CColorHistory::ParseResult::Ok);
    EXPECT_EQ(r.Count(), 3);
    EXPECT_EQ(r.Selected(), 2);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(r.Entry(i), h.Entry(i));
    // Bytes past the last entry are ignored.
    EXPECT_EQ(r.FromBytes(FileWith(1, {90}) + "tail"), CColorHistory::ParseResult::Ok);
    EXPECT_EQ(r.Count(), 1);
}

TEST(CColorHistory, DamagedFilesLeaveTheHistoryAlone)
{
    const std::string wrongHeader = "Daubrix Color Histor_" + FileWith(1, {5}).substr(21);
    const std::string cases[] = {
        wrongHeader,
        "Daubrix Color History",            // no count
        "Daubrix Color Hist",               // short header
        FileWith(0, {}),
        FileWith(-1, {5}),
        FileWith(21, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}),
        FileWith(3, {1, 2}),                // count beyond the data
        FileWith(2, {1, 361}),              // hue out of range
        FileWith(2, {-5, 1}),
        FileWith(1000000000, {1}),
    };
    for (const auto& bytes : cases) {
        CColorHistory h(C(1));
        h.Add(C(2));
        h.Select(0);
        EXPECT_EQ(h.FromBytes(bytes), CColorHistory::ParseResult::Invalid) << bytes.size();
        EXPECT_EQ(h.Count(), 2);
        EXPECT_EQ(h.Selected(), 0);
        EXPECT_EQ(h.Entry(1), C(2));
    }
}

TEST(ColorHistoryFile, ReasonsForEachWayAFileFails)
{
    TempDir dir;
    CColorHistory h(C(10));
    h.Add(C(20));
    h.Add(C(30));
    const std::string path = dir.File("h.dch");
    ASSERT_TRUE(SaveColorHistory(path, h));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes));
    EXPECT_EQ(bytes.size(), 37u);

    CColorHistory back(C(99));
    ASSERT_TRUE(LoadColorHistory(path, back));
    EXPECT_EQ(back.Count(), 3);
    EXPECT_EQ(back.SelectedColor(), C(30));

    const std::string junk = dir.File("junk.dch");
    ASSERT_TRUE(WriteFileAtomically(junk, std::vector<uint8_t>(40, 'D')));
    CColorHistory kept(C(5));
    const FileResult refused = LoadColorHistory(junk, kept);
    EXPECT_FALSE(refused);
    EXPECT_TRUE(refused.Has(FileReason::NotThisKind));
    EXPECT_EQ(kept.Count(), 1);
    EXPECT_EQ(kept.SelectedColor(), C(5));
    const FileResult missing = LoadColorHistory(dir.File("none.dch"), kept);
    EXPECT_FALSE(missing);
    EXPECT_TRUE(missing.Has(FileReason::CannotRead));
    EXPECT_TRUE(SaveColorHistory(dir.File("no/such/x.dch"), h).Has(FileReason::CannotWrite));
}
