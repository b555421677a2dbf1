#include "core/base/ByteIO.h"
#include "core/imaging/JpegFile.h"
#include "core/model/CDaubrixDoc.h"
#include "core/model/CDocumentFile.h"
#include "core/base/CRandom.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TestShapes.h"
#include <chrono>
#include <cstring>
#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

struct DocFileTest : ::testing::Test {
    FakeHost host;
    CShapeTable shapes;
    void SetUp() override { LoadTestShapes(shapes); }

    std::unique_ptr<CDaubrixDoc> NewDoc() { return std::make_unique<CDaubrixDoc>(shapes, &host); }

    // The drawing of the worked example: 400 x 400, one boundary at 2, two globs, one change.
    std::unique_ptr<CDaubrixDoc> ExampleDoc()
    {
        auto doc = NewDoc();
        doc->SetWidth(400);
        doc->SetHeight(400);
        const int32_t sections[] = {2};
        doc->LoadSections(0, 1, sections);
        doc->AppendLoadedGlob(CGlob(10, 20, 3));
        doc->AppendLoadedGlob(CGlob(11, 20, 3));
        doc->AppendLoadedColorChange(CColorChange(0, 120, 255, 200));
        return doc;
    }

    // The result of the last Write or Read, for what they had to tell.
    FileResult said;

    Bytes Write(CDaubrixDoc& doc, const DocumentBackground* view)
    {
        Bytes b;
        said = CDocumentFile::Write(doc, view, b);
        EXPECT_TRUE(said);
        return b;
    }
    bool Read(const Bytes& b, CDaubrixDoc& doc, DocumentBackground* view, bool lowColor = false)
    {
        said = CDocumentFile::Read(b, doc, view, lowColor);
        EXPECT_EQ(said.ok, !said.Has(FileReason::NotThisKind));
        return said.ok;
    }
};

void PutText(Bytes& b, const char* s)
{
    for (; *s; ++s)
        b.push_back(static_cast<uint8_t>(*s));
}
void Put16(Bytes& b, uint32_t v) { PutU16(b, v); }
void Put32(Bytes& b, uint32_t v) { PutU32(b, v); }

// Magic and a 100 x 100 header without sections.
Bytes Header()
{
    Bytes b{7};
    PutText(b, "Daubrix");
    for (uint32_t v : {100u, 100u, 0u, 0u, 0u, 100u})
        Put32(b, v);
    return b;
}

const Bytes kExample = {
    0x07, 'D', 'a', 'u', 'b', 'r', 'i', 'x', 0x90, 0x01, 0x00, 0x00, 0x90, 0x01, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x64, 0x00, 0x00, 0x00, 0x02, 0x00, 0xFF,
    0xFF, 0x02, 0x00, 0x05, 0x00, 0x43, 0x47, 0x6C, 0x6F, 0x62, 0x0A, 0x00, 0x14, 0x00, 0x03, 0x01, 0x80, 0x0B, 0x00,
    0x14, 0x00, 0x03, 0x01, 0x00, 0xFF, 0xFF, 0x02, 0x00, 0x0C, 0x00, 0x43, 0x43, 0x6F, 0x6C, 0x6F, 0x72, 0x43, 0x68,
    0x61, 0x6E, 0x67, 0x65, 0x00, 0x00, 0x00, 0x00, 0x78, 0x00, 0xFF, 0xC8, 0x00, 0x00, 0x00, 0x00};

} // namespace

TEST_F(DocFileTest, WorkedExampleIsWrittenByteForByteAndReadBack)
{
    ASSERT_EQ(kExample.size(), 93u);
    auto doc = ExampleDoc();
    DocumentBackground view;
    EXPECT_EQ(Write(*doc, &view), kExample);

    auto back = NewDoc();
    DocumentBackground backView;
    ASSERT_TRUE(Read(kExample, *back, &backView));
    EXPECT_EQ(back->Width(), 400);
    EXPECT_EQ(back->Height(), 400);
    EXPECT_EQ(back->Sections().Count(), 1);
    EXPECT_EQ(back->Sections().At(0), 2);
    EXPECT_EQ(back->PrintResolution(), 100);
    EXPECT_EQ(back->Globs(), doc->Globs());
    EXPECT_EQ(back->ColorChanges(), doc->ColorChanges());
    EXPECT_EQ(back->HasBackgroundImage(), 0);
    // Every shape the drawing uses is marked for a fresh recolour.
    EXPECT_EQ(shapes.Shape(3).m_recolorPending, 1);
}

TEST_F(DocFileTest, EmptyDrawingWithAndWithoutView)
{
    auto doc = NewDoc();
    Bytes noView = Write(*doc, nullptr);
    Bytes expected = Header();
    Put16(expected, 0);
    Put16(expected, 0);
    EXPECT_EQ(noView, expected);
    DocumentBackground view;
    Put32(expected, 0);
    EXPECT_EQ(Write(*doc, &view), expected);

    auto back = NewDoc();
    back->AppendLoadedGlob(CGlob(1, 1, 1));
    EXPECT_TRUE(Read(noView, *back, nullptr));
    EXPECT_EQ(back->GetGlobCount(), 0);
    // Read with a view, a file lacking the background flag has ended early.
    EXPECT_FALSE(Read(noView, *back, &view));
}

TEST_F(DocFileTest, SeventyThousandGlobsUseTheLongForms)
{
    auto doc = NewDoc();
    const int n = 70000;
    for (int i = 0; i < n; ++i)
        doc->AppendLoadedGlob(CGlob(i % 100, i % 97, i % 8));
    doc->AppendLoadedColorChange(CColorChange(0, 10, 20, 30));
    doc->AppendLoadedColorChange(CColorChange(5, 40, 50, 60));
    DocumentBackground view;
    Bytes b = Write(*doc, &view);

    const size_t counts = Header().size();
    EXPECT_EQ(Bytes(b.begin() + counts, b.begin() + counts + 6), (Bytes{0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}));
    // Colour array: count, the new class with its first record, then the long class tag.
    const size_t colors = counts + 6 + 11 + 5 + (n - 1) * 7;
    EXPECT_EQ(b[colors], 2);
    EXPECT_EQ(b[colors + 2], 0xFF);
    const size_t secondTag = colors + 2 + 18 + 8;
    const uint32_t classIndex = n + 2;
    EXPECT_EQ(Bytes(b.begin() + secondTag, b.begin() + secondTag + 6),
              (Bytes{0xFF, 0x7F, uint8_t(classIndex), uint8_t(classIndex >> 8), uint8_t(classIndex >> 16), 0x80}));
    EXPECT_EQ(b.size(), secondTag + 6 + 8 + 4);

    auto back = NewDoc();
    DocumentBackground backView;
    ASSERT_TRUE(Read(b, *back, &backView));
    EXPECT_EQ(back->Globs(), doc->Globs());
    EXPECT_EQ(back->ColorChanges(), doc->ColorChanges());
}

TEST_F(DocFileTest, SchemaOneRecordsTakeTheirDefaults)
{
    Bytes b = Header();
    Put16(b, 2);
    Put16(b, 0xFFFF);
    Put16(b, 1);
    Put16(b, 5);
    PutText(b, "CGlob");
    Put16(b, 7);
    Put16(b, 8);
    Put16(b, 0x8001);
    Put16(b, 0xFFF6);   // x -10
    Put16(b, 9);
    Put16(b, 2);
    Put16(b, 0xFFFF);
    Put16(b, 1);
    Put16(b, 12);
    PutText(b, "CColorChange");
    Put16(b, 0x8004);   // the colour class took index 4
    Put32(b, 0);

    auto doc = NewDoc();
    DocumentBackground view;
    ASSERT_TRUE(Read(b, *doc, &view));
    ASSERT_EQ(doc->GetGlobCount(), 2);
    EXPECT_EQ(doc->GetGlob(0), CGlob(7, 8, 0));
    EXPECT_EQ(doc->GetGlob(1), CGlob(-10, 9, 0));
    ASSERT_EQ(doc->GetColorChangeCount(), 2);
    for (const CColorChange& c : doc->ColorChanges())
        EXPECT_EQ(c, CColorChange(0, 0, 255, 255));
}

TEST_F(DocFileTest, UnknownShapeLoadsAsShapeZeroAndRepeatedObjectsAreCopied)
{
    Bytes b = Header();
    Put16(b, 3);
    Put16(b, 0xFFFF);
    Put16(b, 2);
    Put16(b, 5);
    PutText(b, "CGlob");
    Put16(b, 1);
    Put16(b, 2);
    b.push_back(200);   // no such shape
    Put16(b, 0x8001);
    Put16(b, 3);
    Put16(b, 4);
    b.push_back(5);
    Put16(b, 0x0003);   // the second glob again, by its object index
    Put16(b, 0);
    Put32(b, 0);
    for (int i = 0; i < shapes.Count(); ++i)
        shapes.Shape(i).m_recolorPending = 0;
    auto doc = NewDoc();
    DocumentBackground view;
    ASSERT_TRUE(Read(b, *doc, &view));
    ASSERT_EQ(doc->GetGlobCount(), 3);
    EXPECT_EQ(doc->GetGlob(0), CGlob(1, 2, 0));
    EXPECT_EQ(doc->GetGlob(1), CGlob(3, 4, 5));
    EXPECT_EQ(doc->GetGlob(2), CGlob(3, 4, 5));
    // The shapes the drawing uses, and only they, wait to be shown recoloured.
    for (int i = 0; i < shapes.Count(); ++i)
        EXPECT_EQ(shapes.Shape(i).m_recolorPending != 0, i == 0 || i == 5) << "shape " << i;
}

TEST_F(DocFileTest, ReferencesFindTheirObjectsBetweenRepeatedOnes)
{
    // Objects take indices 2, 3, then (after a reference, which takes none) 4; the references
    // name them out of order and one names the class, which must fail.
    auto globs = [](bool badLast) {
        Bytes b = Header();
        Put16(b, 7);
        Put16(b, 0xFFFF);
        Put16(b, 2);
        Put16(b, 5);
        PutText(b, "CGlob");
        for (int x : {10, 11}) {
            if (x == 11)
                Put16(b, 0x8001);
            Put16(b, static_cast<uint32_t>(x));
            Put16(b, 1);
            b.push_back(1);
        }
        Put16(b, 0x0002);
        Put16(b, 0x8001);
        Put16(b, 12);
        Put16(b, 1);
        b.push_back(2);
        Put16(b, 0x0004);
        Put16(b, 0x0003);
        Put16(b, badLast ? 0x0001 : 0x0002);
        Put16(b, 0);
        Put32(b, 0);
        return b;
    };
    auto doc = NewDoc();
    DocumentBackground view;
    ASSERT_TRUE(Read(globs(false), *doc, &view));
    std::vector<int> xs;
    for (const CGlob& g : doc->Globs())
        xs.push_back(g.X());
    EXPECT_EQ(xs, (std::vector<int>{10, 11, 10, 12, 12, 11, 10}));
    auto bad = NewDoc();
    EXPECT_FALSE(Read(globs(true), *bad, &view)) << "index 1 is the class, not an object";
}

TEST_F(DocFileTest, MalformedFilesFailAndLeaveTheDocumentAlone)
{
    auto glob = [](Bytes b, const char* name, uint16_t schema) {
        Put16(b, 1);
        Put16(b, 0xFFFF);
        Put16(b, schema);
        Put16(b, static_cast<uint32_t>(strlen(name)));
        PutText(b, name);
        for (int i = 0; i < 8; ++i)
            b.push_back(0);
        Put16(b, 0);
        Put32(b, 0);
        return b;
    };
    Bytes badMagic = kExample;
    badMagic[1] = 'd';
    Bytes elevenSections = kExample;
    elevenSections[16] = 11;
    Bytes negativeSections = kExample;
    negativeSections[19] = 0x80;
    Bytes hugeWidth = kExample;
    hugeWidth[11] = 0x40;
    Bytes zeroHeight = kExample;
    zeroHeight[12] = zeroHeight[13] = 0;
    Bytes badClassIndex = kExample;
    badClassIndex[54] = 0x07;   // second glob names class 7, which does not exist
    Bytes nullElement = kExample;
    nullElement[54] = nullElement[55] = 0;
    Bytes longName = Header();
    Put16(longName, 1);
    Put16(longName, 0xFFFF);
    Put16(longName, 2);
    Put16(longName, 64);
    for (int i = 0; i < 64; ++i)
        longName.push_back('A');

    const std::vector<std::pair<const char*, Bytes>> cases = {
        {"bad magic", badMagic},
        {"eleven sections", elevenSections},
        {"negative sections", negativeSections},
        {"huge width", hugeWidth},
        {"zero height", zeroHeight},
        {"bad class index", badClassIndex},
        {"null element", nullElement},
        {"unknown class", glob(Header(), "CThing", 2)},
        {"colour change among globs", glob(Header(), "CColorChange", 2)},
        {"schema 3", glob(Header(), "CGlob", 3)},
        {"schema 0", glob(Header(), "CGlob", 0)},
        {"class name of 64", longName},
        {"empty file", Bytes{}},
    };
    for (const auto& [what, bytes] : cases) {
        auto doc = ExampleDoc();
        doc->SetWidth(123);
        DocumentBackground view;
        EXPECT_FALSE(Read(bytes, *doc, &view)) << what;
        EXPECT_EQ(doc->Width(), 123) << what;
        EXPECT_EQ(doc->GetGlobCount(), 2) << what;
        EXPECT_EQ(doc->GetColorChangeCount(), 1) << what;
    }
}

TEST_F(DocFileTest, EveryTruncationFailsCleanly)
{
    // A file with a background block too, so the length and the JPEG bytes are cut as well.
    auto doc = ExampleDoc();
    doc->SetHasBackgroundImage(1);
    DocumentBackground view;
    view.image = CImage32(12, 9, MakePixel(200, 40, 90));
    Bytes full = Write(*doc, &view);
    ASSERT_GT(full.size(), kExample.size() + 100);
    for (size_t n = 0; n < full.size(); ++n) {
        Bytes cut(full.begin(), full.begin() + static_cast<long>(n));
        auto target = NewDoc();
        target->SetWidth(321);
        DocumentBackground targetView;
        const bool ok = Read(cut, *target, &targetView);
        // A cut JPEG block must fail on its length, never reach the codec as a damaged picture.
        EXPECT_FALSE(ok) << "prefix of " << n << " bytes";
        EXPECT_EQ(target->Width(), 321);
        EXPECT_EQ(target->GetGlobCount(), 0);
    }
}

TEST_F(DocFileTest, HugeCountClaimFailsAtOnce)
{
    Bytes b = Header();
    Put16(b, 0xFFFF);
    Put32(b, 0xFFFFFFFF);
    Put16(b, 0xFFFF);
    Put16(b, 2);
    auto doc = NewDoc();
    DocumentBackground view;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(Read(b, *doc, &view));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));

    // A count just above what the remaining bytes could hold is refused as well.
    Bytes tight = Header();
    Put16(tight, 3);
    for (int i = 0; i < 4; ++i)
        tight.push_back(0x01);
    EXPECT_FALSE(Read(tight, *doc, &view));
}

TEST_F(DocFileTest, BackgroundBlockRoundTripsExactly)
{
    auto doc = ExampleDoc();
    doc->SetHasBackgroundImage(1);
    DocumentBackground view;
    view.image = CImage32(40, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            view.image.Set(x, y, MakePixel(x * 6, y * 8, 128));
    Bytes first = Write(*doc, &view);
    const size_t flagAt = kExample.size() - 4;
    EXPECT_EQ(first[flagAt], 1);
    const uint32_t length = ReadU32(first.data() + flagAt + 4);
    EXPECT_EQ(first.size(), flagAt + 8 + length);
    EXPECT_EQ(first[flagAt + 8], 0xFF);   // a JPEG file starts with its SOI marker
    EXPECT_EQ(first[flagAt + 9], 0xD8);

    auto back = NewDoc();
    DocumentBackground backView;
    ASSERT_TRUE(Read(first, *back, &backView));
    EXPECT_EQ(back->HasBackgroundImage(), 1);
    ASSERT_EQ(backView.image.Width(), 40);
    ASSERT_EQ(backView.image.Height(), 30);
    EXPECT_EQ(backView.x, 180);
    EXPECT_EQ(backView.y, 185);
    const Pixel p = backView.image.At(20, 10);
    EXPECT_NEAR(PixelRed(p), 120, 4);
    EXPECT_NEAR(PixelGreen(p), 80, 4);
    // Saving again stores the same bytes: no loss from one save to the next.
    EXPECT_EQ(Write(*back, &backView), first);
    EXPECT_TRUE(said.notes.empty());
}

TEST_F(DocFileTest, BackgroundIsIgnoredOnLowColourOrWhenUndecodable)
{
    auto doc = ExampleDoc();
    doc->SetHasBackgroundImage(1);
    DocumentBackground view;
    view.image = CImage32(8, 8, MakePixel(9, 9, 9));
    Bytes b = Write(*doc, &view);

    auto low = NewDoc();
    DocumentBackground lowView;
    ASSERT_TRUE(Read(b, *low, &lowView, true));
    EXPECT_EQ(low->HasBackgroundImage(), 0);
    EXPECT_TRUE(lowView.image.IsNull());

    Bytes damaged = b;
    for (size_t i = kExample.size() + 4; i < damaged.size(); ++i)
        damaged[i] = 0x11;
    auto bad = NewDoc();
    DocumentBackground badView;
    ASSERT_TRUE(Read(damaged, *bad, &badView));
    EXPECT_EQ(bad->HasBackgroundImage(), 0);
    EXPECT_EQ(bad->GetGlobCount(), 2);
    // The codec's complaint comes back; the drawing opens all the same.
    ASSERT_FALSE(said.notes.empty());
    EXPECT_EQ(said.notes.back().reason, FileReason::JpegCodec);
}

TEST_F(DocFileTest, FlagWithoutPictureIsWrittenAsAbsent)
{
    auto doc = ExampleDoc();
    doc->SetHasBackgroundImage(1);
    DocumentBackground empty;
    Bytes b = Write(*doc, &empty);
    EXPECT_EQ(b, kExample);
    EXPECT_EQ(doc->HasBackgroundImage(), 0);
    EXPECT_EQ(said.notes, (std::vector<FileNote>{{FileReason::BackgroundNotSaved, {}}}));
}

TEST_F(DocFileTest, ColourChangesOutOfOrderAreSortedOnLoad)
{
    auto doc = ExampleDoc();
    doc->AppendLoadedColorChange(CColorChange(7, 1, 2, 3));
    doc->AppendLoadedColorChange(CColorChange(1, 4, 5, 6));
    Bytes b = Write(*doc, nullptr);
    auto back = NewDoc();
    ASSERT_TRUE(Read(b, *back, nullptr));
    ASSERT_EQ(back->GetColorChangeCount(), 3);
    EXPECT_EQ(back->ColorChanges()[0].m_position, 0u);
    EXPECT_EQ(back->ColorChanges()[1].m_position, 1u);
    EXPECT_EQ(back->ColorChanges()[2].m_position, 7u);
}

TEST_F(DocFileTest, DamagedBytesNeverBreakTheDocument)
{
    auto doc = ExampleDoc();
    for (int i = 0; i < 40; ++i)
        doc->AppendLoadedGlob(CGlob(i, i * 2, i % 8));
    doc->AppendLoadedColorChange(CColorChange(9, 300, 1, 2));
    doc->SetHasBackgroundImage(1);
    DocumentBackground view;
    view.image = CImage32(6, 5, MakePixel(1, 2, 3));
    const Bytes good = Write(*doc, &view);
    CRandom rnd(11);
    int loaded = 0;
    for (int round = 0; round < 3000; ++round) {
        Bytes b = good;
        const int flips = 1 + rnd.Next() % 4;
        for (int k = 0; k < flips; ++k)
            b[static_cast<size_t>(rnd.Next()) * 7919 % b.size()] = static_cast<uint8_t>(rnd.Next());
        auto target = NewDoc();
        DocumentBackground targetView;
        if (!Read(b, *target, &targetView))
            continue;
        ++loaded;
        // Whatever loads is a drawing the rest of the program can use.
        EXPECT_GE(target->Width(), 1);
        EXPECT_LE(int64_t{target->Width()} * target->Height(), CDocumentFile::kMaxArea);
        EXPECT_LE(target->Sections().Count(), CDaubrixDoc::kMaxSections);
        for (const CGlob& g : target->Globs())
            ASSERT_LT(g.m_shape, shapes.Count());
        for (size_t i = 1; i < target->ColorChanges().size(); ++i)
            ASSERT_LE(target->ColorChanges()[i - 1].m_position, target->ColorChanges()[i].m_position);
        if (target->HasBackgroundImage()) {
            ASSERT_LE(targetView.image.Width(), target->Width());
            ASSERT_LE(targetView.image.Height(), target->Height());
        }
    }
    // Flips inside record bytes keep the file valid, so some do load.
    EXPECT_GT(loaded, 100);
}

TEST_F(DocFileTest, EmptyBackgroundBlockOpensWithoutPicture)
{
    // The example saved with the background flag set and a stored length of 0.
    Bytes b(kExample.begin(), kExample.end() - 4);
    Put32(b, 1);
    Put32(b, 0);
    auto doc = NewDoc();
    DocumentBackground view;
    view.image = CImage32(3, 3);
    ASSERT_TRUE(Read(b, *doc, &view));
    EXPECT_TRUE(said.notes.empty());
    EXPECT_EQ(doc->GetGlobCount(), 2);
    EXPECT_EQ(doc->HasBackgroundImage(), 0);
    EXPECT_TRUE(view.image.IsNull());
    // Saved again it carries no such block.
    EXPECT_EQ(Write(*doc, &view), kExample);
    // A negative length is still no drawing of ours.
    Bytes negative(kExample.begin(), kExample.end() - 4);
    Put32(negative, 1);
    Put32(negative, 0xFFFFFFFF);
    EXPECT_FALSE(Read(negative, *doc, &view));
}

TEST_F(DocFileTest, GlobsLeftOfAndAboveTheDrawingRoundTripByteForByte)
{
    auto doc = ExampleDoc();
    doc->AppendLoadedGlob(CGlob(-10, -19, 2));
    doc->AppendLoadedGlob(CGlob(419, -1, 1));
    DocumentBackground view;
    const Bytes b = Write(*doc, &view);
    // The third glob's record follows the two of the example and its class tag.
    const size_t third = 36 + 2 + 11 + 5 + 7 + 2;
    EXPECT_EQ(Bytes(b.begin() + third, b.begin() + third + 5), (Bytes{0xF6, 0xFF, 0xED, 0xFF, 0x02}));
    auto back = NewDoc();
    DocumentBackground backView;
    ASSERT_TRUE(Read(b, *back, &backView));
    ASSERT_EQ(back->GetGlobCount(), 4);
    EXPECT_EQ(back->GetGlob(2).X(), -10);
    EXPECT_EQ(back->GetGlob(2).Y(), -19);
    EXPECT_EQ(back->GetGlob(3).Y(), -1);
    EXPECT_EQ(Write(*back, &backView), b);
}
