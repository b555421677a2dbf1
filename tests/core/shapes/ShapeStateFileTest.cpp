#include "core/shapes/ShapeStateFile.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/PaletteFixture.h"
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
struct StateFile : ::testing::Test {
    fs::path dir;
    void SetUp() override
    {
        char tmpl[] = "/tmp/daubrix-dss-XXXXXX";
        dir = mkdtemp(tmpl);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Path(const char* name) const { return (dir / name).string(); }
    static std::string Bytes(const std::vector<uint8_t>& v) { return std::string(v.begin(), v.end()); }
    void Write(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    // A snapshot of everything the file carries, to show that a refused load changed nothing.
    struct Snapshot {
        std::vector<int> shown;
        std::vector<HsvColor> colours;
        int current;
        bool operator==(const Snapshot&) const = default;
    };
    static Snapshot Take(const CShapeTable& t)
    {
        Snapshot s{{}, {}, t.m_currentShape};
        for (int i = 0; i < t.Count(); ++i) {
            s.shown.push_back(t.Shape(i).m_shown);
            s.colours.push_back({t.Shape(i).m_hue, t.Shape(i).m_saturation, t.Shape(i).m_value});
        }
        return s;
    }
};

std::vector<std::string> TwelveShapes()
{
    std::vector<std::string> n;
    for (char f = 'A'; f <= 'D'; ++f)
        for (char s = '0'; s <= '2'; ++s)
            n.push_back(std::string(1, f) + "_" + s + "_x.bmp");
    return n;
}
} // namespace

TEST_F(StateFile, TwelveShapesGiveA117ByteFileInTheExactLayout)
{
    CShapeTable t;
    LoadNamedShapes(t, TwelveShapes());
    t.Shape(3).m_hue = 300;
    t.Shape(3).m_saturation = 0x12;
    t.Shape(3).m_value = 0x34;
    t.m_currentShape = 7;
    const std::vector<uint8_t> b = ShapeStateBytes(t);
    ASSERT_EQ(b.size(), 117u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 19), "Daubrix Shape State");
    EXPECT_EQ(b[19], 12);
    // Record 1 (A Medium) is shown, record 3 (B Small) is not and carries the colour.
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + 28, b.begin() + 36), (std::vector<uint8_t>{1, 0, 0, 0, 0, 0, 255, 255}));
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + 44, b.begin() + 52),
              (std::vector<uint8_t>{0, 0, 0, 0, 0x2C, 0x01, 0x12, 0x34}));
    EXPECT_EQ(b[116], 7);
    ASSERT_TRUE(SaveShapeState(Path("s.dss"), t));
    EXPECT_EQ(fs::file_size(Path("s.dss")), 117u);
}

TEST_F(StateFile, StateSurvivesASimulatedRestart)
{
    {
        CShapeTable before;
        LoadNamedShapes(before, TwelveShapes());
        before.SelectShapeSize('B', 2);
        before.SelectShapeSize('D', 0);
        before.Shape(5).m_hue = 222;
        before.Shape(5).m_saturation = 111;
        before.Shape(5).m_value = 99;
        before.Shape(1).m_hue = 360;
        before.m_currentShape = 5;
        ASSERT_TRUE(SaveShapeState(Path("last.dss"), before));
    }
    CShapeTable after;
    LoadNamedShapes(after, TwelveShapes());
    for (int i = 0; i < after.Count(); ++i)
        after.Shape(i).m_recolorPending = 0;
    const FileResult loaded = LoadShapeState(Path("last.dss"), after);
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded.notes.empty());
    const std::vector<int> shown = {0, 1, 0, 0, 0, 1, 0, 1, 0, 1, 0, 0};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(after.Shape(i).m_shown, shown[static_cast<size_t>(i)]) << i;
        EXPECT_TRUE(after.Shape(i).m_recolorPending) << i;
    }
    EXPECT_EQ(after.Shape(5).m_hue, 222);
    EXPECT_EQ(after.Shape(5).m_saturation, 111);
    EXPECT_EQ(after.Shape(5).m_value, 99);
    EXPECT_EQ(after.Shape(1).m_hue, 360);
    EXPECT_EQ(after.m_currentShape, 5);
}

TEST_F(StateFile, CurrentByteOutOfRangeMakesShapeZeroCurrent)
{
    CShapeTable t;
    LoadNamedShapes(t, TwelveShapes());
    std::vector<uint8_t> b = ShapeStateBytes(t);
    b.back() = 12;
    t.m_currentShape = 4;
    ASSERT_EQ(ApplyShapeStateBytes(Bytes(b), t), ShapeStateResult::Applied);
    EXPECT_EQ(t.m_currentShape, 0);
    b.back() = 255;
    t.m_currentShape = 4;
    ApplyShapeStateBytes(Bytes(b), t);
    EXPECT_EQ(t.m_currentShape, 0);
}

TEST_F(StateFile, WrongHeaderOrShortFileIsRefusedAndChangesNothing)
{
    CShapeTable source;
    LoadNamedShapes(source, TwelveShapes());
    source.SelectShapeSize('A', 2);
    source.Shape(0).m_hue = 45;
    source.m_currentShape = 2;
    const std::string good = Bytes(ShapeStateBytes(source));

    CShapeTable t;
    LoadNamedShapes(t, TwelveShapes());
    const Snapshot before = Take(t);
    std::string wrong = good;
    wrong[8] = 's';
    std::string noHue = good;
    noHue[20 + 4] = 0x69;   // hue 361
    noHue[20 + 5] = 0x01;
    const std::vector<std::string> refused = {wrong, good.substr(0, good.size() - 1), good.substr(0, 20),
                                               good.substr(0, 10), noHue};
    for (size_t i = 0; i < refused.size(); ++i) {
        Write(Path("bad.dss"), refused[i]);
        const FileResult r = LoadShapeState(Path("bad.dss"), t);
        EXPECT_FALSE(r) << i;
        EXPECT_TRUE(r.Has(FileReason::NotThisKind)) << i;
        EXPECT_EQ(Take(t), before) << i;
    }
    // The intact file does load.
    Write(Path("good.dss"), good);
    EXPECT_TRUE(LoadShapeState(Path("good.dss"), t));
    EXPECT_EQ(Take(t), Take(source));
}

TEST_F(StateFile, MissingFileIsQuietAndRefusedOrUnwritableFilesAreReported)
{
    FakeHost h;
    CDaubrixApp app{h};
    CBasicColorsLink colors{app.ShapeTable()};
    CShapePalette palette{app.ShapeTable(), colors};
    LoadNamedShapes(app.ShapeTable(), TwelveShapes());
    const Snapshot before = Take(app.ShapeTable());
    EXPECT_FALSE(palette.LoadState(Path("none.dss"), h));
    EXPECT_TRUE(h.messages.empty());
    EXPECT_EQ(Take(app.ShapeTable()), before);

    Write(Path("bad.dss"), "Daubrix Shape Stat!");
    EXPECT_FALSE(palette.LoadState(Path("bad.dss"), h));
    ASSERT_EQ(h.messages.size(), 1u);
    EXPECT_EQ(h.messages[0].text, "Not a valid Shape State file!");
    EXPECT_EQ(Take(app.ShapeTable()), before);

    h.messages.clear();
    EXPECT_FALSE(palette.SaveState((dir / "no-such-folder" / "x.dss").string(), h));
    ASSERT_EQ(h.messages.size(), 1u);
    EXPECT_EQ(h.messages[0].text, "Error writing file");
    EXPECT_TRUE(SaveShapeState((dir / "no-such-folder" / "x.dss").string(), app.ShapeTable()).Has(FileReason::CannotWrite));
}

TEST_F(StateFile, LongerFileSkipsSurplusRecordsAndShorterOneKeepsTheRest)
{
    CShapeTable writer;
    LoadNamedShapes(writer, TwelveShapes());
    writer.SelectShapeSize('B', 0);       // record 3 shown
    writer.Shape(4).m_hue = 123;
    writer.Shape(10).m_hue = 200;         // beyond the reader's six shapes
    writer.m_currentShape = 3;
    const std::string file = Bytes(ShapeStateBytes(writer));

    CShapeTable reader;
    LoadNamedShapes(reader, {"A_0_x.bmp", "A_1_x.bmp", "A_2_x.bmp", "B_0_x.bmp", "B_1_x.bmp", "B_2_x.bmp"});
    ASSERT_EQ(ApplyShapeStateBytes(file, reader), ShapeStateResult::Applied);
    EXPECT_EQ(reader.Shape(3).m_shown, 1);
    EXPECT_EQ(reader.Shape(4).m_shown, 0);
    EXPECT_EQ(reader.Shape(4).m_hue, 123);
    // The current byte stands after all twelve records, not after the six used.
    EXPECT_EQ(reader.m_currentShape, 3);

    CShapeTable small;
    LoadNamedShapes(small, {"A_0_x.bmp", "A_1_x.bmp", "A_2_x.bmp"});
    small.Shape(0).m_hue = 90;
    small.m_currentShape = 1;
    CShapeTable big;
    LoadNamedShapes(big, TwelveShapes());
    big.Shape(7).m_hue = 77;
    big.SelectShapeSize('C', 2);
    ApplyShapeStateBytes(Bytes(ShapeStateBytes(small)), big);
    EXPECT_EQ(big.Shape(0).m_hue, 90);
    EXPECT_EQ(big.Shape(7).m_hue, 77);
    EXPECT_EQ(big.Shape(8).m_shown, 1);
    EXPECT_EQ(big.m_currentShape, 1);
}

TEST_F(StateFile, OneShownVariantPerFamilyWhateverTheFlags)
{
    CShapeTable t;
    LoadNamedShapes(t, TwelveShapes());
    std::string b = Bytes(ShapeStateBytes(t));
    auto flag = [&](int record, uint8_t v) { b[static_cast<size_t>(20 + 8 * record)] = static_cast<char>(v); };
    // Family A: Small and Large both flagged: the later record wins.
    flag(0, 1);
    flag(1, 0);
    flag(2, 7);
    // Family B: no flag at all: it comes back at Medium instead of vanishing.
    flag(3, 0);
    flag(4, 0);
    flag(5, 0);
    ASSERT_EQ(ApplyShapeStateBytes(b, t), ShapeStateResult::Applied);
    EXPECT_EQ(t.Shape(0).m_shown, 0);
    EXPECT_EQ(t.Shape(1).m_shown, 0);
    EXPECT_EQ(t.Shape(2).m_shown, 1);
    EXPECT_EQ(t.Shape(3).m_shown + t.Shape(4).m_shown + t.Shape(5).m_shown, 1);
    EXPECT_EQ(t.Shape(4).m_shown, 1);
}

TEST_F(StateFile, PaletteLoadScrollsToTheCurrentShapeAndRepaints)
{
    FakeHost h;
    CDaubrixApp app{h};
    CBasicColorsLink colors{app.ShapeTable()};
    CShapePalette palette{app.ShapeTable(), colors};
    LoadNamedShapes(app.ShapeTable(), ElevenFamilies());
    int paints = 0;
    palette.m_requestPaint = [&](bool selectionOnly) { paints += selectionOnly ? 0 : 1; };
    palette.Resize(68, 34);
    CShapeTable saved;
    LoadNamedShapes(saved, ElevenFamilies());
    saved.m_currentShape = 3 * 8 + 1;   // ninth shown shape: row 4
    Write(Path("p.dss"), Bytes(ShapeStateBytes(saved)));
    ASSERT_TRUE(palette.LoadState(Path("p.dss"), h));
    EXPECT_EQ(palette.Layout().ScrollRow(), 4);
    EXPECT_EQ(paints, 1);
    ASSERT_TRUE(palette.SaveState(Path("q.dss"), h));
    EXPECT_EQ(fs::file_size(Path("q.dss")), 21u + 8 * 33);
}
