#include "core/shapes/CShapeTable.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TestShapes.h"
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
std::vector<CImage32> Discs(size_t n)
{
    return std::vector<CImage32>(n, MakeDiscShape(7));
}

// Writes a minimal 24-bit BMP.
void WriteBmp(const fs::path& p, int w, int h)
{
    int stride = (w * 3 + 3) & ~3;
    std::vector<uint8_t> b(54 + stride * h, 0);
    b[0] = 'B', b[1] = 'M';
    b[14] = 40;
    b[18] = static_cast<uint8_t>(w);
    b[22] = static_cast<uint8_t>(h);
    b[26] = 1;
    b[28] = 24;
    b[54 + 3] = 255;   // pixel (1, h-1) differs from the key
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<char*>(b.data()), static_cast<long>(b.size()));
}

struct TempDir {
    fs::path path;
    TempDir()
    {
        char tmpl[] = "/tmp/daubrix-shapes-XXXXXX";
        path = mkdtemp(tmpl);
        fs::create_directory(path / "shapes");
    }
    ~TempDir() { fs::remove_all(path); }
};
} // namespace

TEST(CShapeTable, OrderIsByteWiseWhateverTheListingOrder)
{
    CShapeTable a, b;
    a.LoadFromImages({"b_1_x.bmp", "B_1_x.bmp", "a_1.bmp", "A_1_long.bmp", "A_1.bmp"}, Discs(5));
    b.LoadFromImages({"A_1.bmp", "a_1.bmp", "A_1_long.bmp", "b_1_x.bmp", "B_1_x.bmp"}, Discs(5));
    std::vector<std::string> expected = {"A_1.bmp", "A_1_long.bmp", "B_1_x.bmp", "a_1.bmp", "b_1_x.bmp"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(a.m_shapeNames[i], expected[i]);
        EXPECT_EQ(b.m_shapeNames[i], expected[i]);
    }
}

TEST(CShapeTable, SizeFallbackOrder)
{
    CShapeTable t;
    t.LoadFromImages({"L_2_large.bmp", "M_0_s.bmp", "M_2_l.bmp", "S_1_m.bmp", "S_2_l.bmp"}, Discs(5));
    // Only Large: Medium -> Small -> Large.
    EXPECT_TRUE(t.Shape(0).m_shown);
    // Missing Medium falls back to Small first.
    EXPECT_TRUE(t.Shape(1).m_shown);
    EXPECT_FALSE(t.Shape(2).m_shown);
    // Missing Small falls back to Large, then Medium.
    t.SelectShapeSize('S', 0);
    EXPECT_FALSE(t.Shape(3).m_shown);
    EXPECT_TRUE(t.Shape(4).m_shown);
    t.SelectShapeSize('M', 1);
    EXPECT_TRUE(t.Shape(1).m_shown);
    // Exactly one variant per family is shown.
    t.SelectShapeSize('M', 2);
    EXPECT_FALSE(t.Shape(1).m_shown);
    EXPECT_TRUE(t.Shape(2).m_shown);
    EXPECT_EQ(t.FindShape('S', 0), t.Count());
    EXPECT_FALSE(t.ShapeSizeExists('S', 0));
    EXPECT_TRUE(t.ShapeSizeExists('L', 2));
}

TEST(CShapeTable, NthShownShape)
{
    CShapeTable t;
    LoadTestShapes(t);   // A0 A1 A2 B0 B1 B2 C0 C2: shown A1, B1, C0
    EXPECT_EQ(t.m_currentShape, 1);
    EXPECT_EQ(t.NthShownShape(2), 6);
    EXPECT_EQ(t.m_currentShape, 6);
    EXPECT_EQ(t.NthShownShape(3), t.Count());
    EXPECT_EQ(t.m_currentShape, 6) << "unchanged when there are fewer shown shapes";
    EXPECT_EQ(t.NthShownShape(1), 4);
}

TEST(CShapeTable, MoreThan200KeepsTheFirst200InOrder)
{
    std::vector<std::string> names;
    for (int i = 250; i > 0; --i)
        names.push_back("Z_1_" + std::to_string(1000 + i) + ".bmp");
    CShapeTable t;
    t.LoadFromImages(names, Discs(names.size()));
    EXPECT_EQ(t.Count(), 200);
    EXPECT_EQ(t.m_shapeNames[0], "Z_1_1001.bmp");
    EXPECT_EQ(t.m_shapeNames[199], "Z_1_1200.bmp");
}

TEST(CShapeTable, LoadsFilesAndReportsBrokenOnes)
{
    TempDir dir;
    WriteBmp(dir.path / "shapes" / "B_1_b.bmp", 5, 5);
    WriteBmp(dir.path / "shapes" / "A_1_a.bmp", 3, 4);
    std::ofstream(dir.path / "shapes" / "C_1_broken.bmp") << "BM";
    std::ofstream(dir.path / "shapes" / "notes.txt") << "ignored";
    FakeHost host;
    CShapeTable t;
    t.LoadShapes(dir.path.string() + "/", &host);
    ASSERT_EQ(t.Count(), 3);
    EXPECT_EQ(t.m_shapeNames[0], "A_1_a.bmp");
    EXPECT_EQ(t.Shape(0).Width(), 3);
    EXPECT_EQ(t.Shape(0).Height(), 4);
    EXPECT_FALSE(t.Shape(2).IsLoaded());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "error loading shape");
    EXPECT_TRUE(t.Shape(0).Prepare());
    // Bottom-up rows: the one set pixel (first pixel of the file's first row) is at the bottom-left + 1.
    EXPECT_FALSE(t.Shape(0).IsBackground(1, 3));
    EXPECT_TRUE(t.Shape(0).IsBackground(0, 0));
}

TEST(CShapeTable, EmptyFolderGivesEmptyTable)
{
    TempDir dir;
    FakeHost host;
    CShapeTable t;
    t.LoadShapes(dir.path.string() + "/", &host);
    EXPECT_EQ(t.Count(), 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST(CShapeTable, ShippedSetFollowsTheNamingRules)
{
    FakeHost host;
    CShapeTable t;
    t.LoadShapes(std::string(DAUBRIX_SOURCE_DIR) + "/", &host);
    ASSERT_GE(t.Count(), 37) << "at least 12 families in three sizes and one partial family";
    EXPECT_TRUE(host.messages.empty());
    ASSERT_TRUE(t.PrepareAll());
    int partial = 0;
    for (int i = 0; i < t.Count(); ++i) {
        const std::string& n = t.m_shapeNames[i];
        ASSERT_GE(n.size(), 3u);
        ASSERT_TRUE(n[2] >= '0' && n[2] <= '2') << n;
        EXPECT_LE(t.Shape(i).Width(), 28) << n;
        EXPECT_LE(t.Shape(i).Height(), 28) << n;
        int sizes = 0;
        for (int s = 0; s < 3; ++s)
            sizes += t.ShapeSizeExists(n[0], s);
        partial += sizes < 3;
    }
    EXPECT_GT(partial, 0);
}
