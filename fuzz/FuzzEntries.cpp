#include "fuzz/FuzzEntries.h"
#include "core/base/CMapProfile.h"
#include "core/base/CQuietHost.h"
#include "core/settings/CAutoChange.h"
#include "core/colour/CColorHistory.h"
#include "core/imaging/CImage32.h"
#include "core/imaging/ImageFile.h"
#include "core/imaging/JpegFile.h"
#include "core/imaging/PackedDib.h"
#include "core/imaging/PictureCheck.h"
#include "core/imaging/PngFile.h"
#include "core/model/CDaubrixDoc.h"
#include "core/model/CDocumentFile.h"
#include "core/shapes/CShapeTable.h"
#include "core/shapes/ShapeStateFile.h"
#include "core/shell/CDaubrixApp.h"
#include "core/shell/CSettingsTable.h"
#include "core/shell/CTipsReader.h"
#include "tests/core/support/TestShapes.h"
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <span>
#include <string>

namespace {

// A fault found by a fuzzer must stop it, in every build.
void Require(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

// Three families, one lacking a size, so a shape state can name sizes that exist and some that don't.
void LoadShapes(CShapeTable& table) { LoadTestShapes(table); }

CShapeTable& Shapes()
{
    static CShapeTable* table = [] {
        auto* t = new CShapeTable;
        LoadShapes(*t);
        return t;
    }();
    return *table;
}

void Dbx(const uint8_t* data, size_t size)
{
    CDaubrixDoc doc(Shapes(), nullptr);
    DocumentBackground bg;
    if (!CDocumentFile::Read(std::span<const uint8_t>(data, size), doc, &bg, false))
        return;
    Require(doc.Width() > 0 && doc.Height() > 0, "drawing size");
    Require(int64_t{doc.Width()} * doc.Height() <= CDocumentFile::kMaxArea, "drawing area");
    // What was read must write back and read again.
    std::vector<uint8_t> again;
    Require(bool(CDocumentFile::Write(doc, &bg, again)), "read drawing writes");
    // The background block is written back byte for byte, so its picture need not be decoded again.
    CDaubrixDoc doc2(Shapes(), nullptr);
    Require(bool(CDocumentFile::Read(again, doc2, nullptr, false)), "rewritten drawing reads");
    Require(doc2.GetGlobCount() == doc.GetGlobCount(), "glob count survives a round trip");
}

void Dch(const uint8_t* data, size_t size)
{
    CColorHistory h({120, 200, 100});
    const auto before = h.ToBytes();
    const auto r = h.FromBytes(std::string(reinterpret_cast<const char*>(data), size));
    Require(h.Count() >= 1 && h.Count() <= CColorHistory::kCapacity, "history count");
    Require(h.Selected() >= 0 && h.Selected() < h.Count(), "history selection");
    if (r != CColorHistory::ParseResult::Ok)
        Require(h.ToBytes() == before, "refused history unchanged");
}

// Preparing the shapes costs far more than reading a state file, so one table serves every
// input: it is put back to its starting state before each one, by the reader itself.
void Dss(const uint8_t* data, size_t size)
{
    static const std::string start = [] {
        const auto bytes = ShapeStateBytes(Shapes());
        return std::string(bytes.begin(), bytes.end());
    }();
    CShapeTable& table = Shapes();
    const auto reset = ApplyShapeStateBytes(start, table);
    const auto again = ShapeStateBytes(table);
    Require(reset == ShapeStateResult::Applied && std::string(again.begin(), again.end()) == start,
            "shape state reads back what was written");
    ApplyShapeStateBytes(std::string(reinterpret_cast<const char*>(data), size), table);
    Require(table.m_currentShape < table.Count(), "current shape");
}

void Bmp(const uint8_t* data, size_t size)
{
    CImage32 img;
    if (!DecodeBmpFile(data, size, img))
        return;
    // A picture is never much larger than the bytes that describe it.
    Require(!img.IsNull() && int64_t{img.Width()} * img.Height() <= int64_t{1024} * static_cast<int64_t>(size),
            "bitmap size in proportion to the file");
}

void Jpeg(const uint8_t* data, size_t size)
{
    JpegPixels px;
    if (ReadJpegBytes(data, size, px))
        Require(px.width > 0 && px.height > 0, "jpeg size");
}

void Png(const uint8_t* data, size_t size)
{
    // As the loader does: the header check first, then the codec.
    if (!CheckPicture(data, size, PictureKind::Png))
        return;
    CImage32 img;
    if (ReadPngBytes(data, size, img))
        Require(!img.IsNull() && img.Width() <= kMaxPictureSide && img.Height() <= kMaxPictureSide, "png size");
    else
        Require(img.IsNull(), "refused png leaves no picture");
}

// Settings: one text value per key, in table order, as a hand-edited settings file might hold.
void Settings(const uint8_t* data, size_t size)
{
    CMapProfile profile;
    const std::string text(reinterpret_cast<const char*>(data), size);
    size_t at = 0;
    for (const std::string& key : CSettingsTable::KeysInOrder()) {
        if (at > text.size())
            break;
        const size_t end = std::min(text.find('\n', at), text.size());
        profile.SetString(CSettingsTable::kSection, key, text.substr(at, end - at));
        at = end + 1;
    }
    // One application for every input, its shapes prepared once; the groups the settings fill
    // start from their defaults each time so no input leaks into the next.
    static CQuietHost host;
    static CDaubrixApp& app = []() -> CDaubrixApp& {
        auto* a = new CDaubrixApp(host);
        LoadShapes(a->ShapeTable());
        return *a;
    }();
    app.Random() = CRandom();
    app.Drawing() = CDrawingSettings();
    app.Modes().ResetRunModes();
    app.AutoColor() = CAutoColorSettings();
    app.Shell() = CShellSettings();
    const CScreenSize screen{1024, 768};
    CSettingsTable::Load(app, profile, screen);
    CSettingsTable::LoadMainWindow(app, profile, screen);
    app.AutoChange().InitAll();
    Require(app.Shell().m_colorsWindow.x1 < screen.width && app.Shell().m_appWindow.x2 < screen.width,
            "window clamps");
}

// Tips: every tip is a piece of at most 999 characters that no skip rule removes, and the
// reader ends even on a file without one.
void Tips(const uint8_t* data, size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    CTipsReader reader(in);
    std::string tip;
    for (int i = 0; i < 64; ++i) {
        const CTipsReader::Result r = reader.Next(tip);
        if (r != CTipsReader::Result::Tip)
            return;
        Require(!tip.empty() && tip.size() <= CTipsReader::kPieceLength, "tip length");
        Require(tip[0] != ';' && tip[0] != ' ' && tip[0] != '\t' && tip[0] != '\n', "skipped line shown");
        Require(reader.Offset() >= 0 && static_cast<size_t>(reader.Offset()) <= size, "offset within the file");
    }
    // The offset a run stores brings the next run back to the same place.
    const int64_t at = reader.Offset();
    Require(reader.Seek(at) && reader.Offset() == at, "stored offset seeks");
}

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

std::string OurTips()
{
    std::ifstream in(std::string(DAUBRIX_SOURCE_DIR) + "/tips.txt", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

const std::vector<FuzzEntry>& FuzzEntries()
{
    static const std::vector<FuzzEntry> entries = {
        {"dbx", Dbx}, {"dch", Dch}, {"dss", Dss}, {"bmp", Bmp}, {"jpeg", Jpeg}, {"png", Png}, {"settings", Settings},
        {"tips", Tips},
    };
    return entries;
}

void RunFuzzEntry(const std::string& name, const uint8_t* data, size_t size)
{
    for (const FuzzEntry& e : FuzzEntries())
        if (name == e.name)
            return e.run(data, size);
    Require(false, "unknown fuzz entry");
}

std::vector<std::vector<uint8_t>> FuzzSeeds(const std::string& name)
{
    CImage32 picture(13, 7, MakePixel(10, 20, 30));
    for (int x = 0; x < 13; ++x)
        picture.Set(x, x % 7, MakePixel(250, static_cast<uint8_t>(x * 19), 0));
    std::vector<std::vector<uint8_t>> seeds;
    if (name == "dbx") {
        for (int withBackground = 0; withBackground < 2; ++withBackground) {
            CDaubrixDoc doc(Shapes(), nullptr);
            doc.SetWidth(64);
            doc.SetHeight(48);
            for (int i = 0; i < 30; ++i) {
                if (i % 10 == 0)
                    doc.SetColorChange(-1, i * 12, 200, 180);
                doc.AddGlob(i * 2 - 5, i);
            }
            DocumentBackground bg;
            if (withBackground) {
                bg.image = picture;
                doc.SetHasBackgroundImage(1);
            }
            std::vector<uint8_t> bytes;
            if (CDocumentFile::Write(doc, withBackground ? &bg : nullptr, bytes))
                seeds.push_back(std::move(bytes));
        }
    } else if (name == "dch") {
        CColorHistory h({0, 255, 255});
        for (int i = 1; i < 6; ++i)
            h.Add({static_cast<int16_t>(i * 60), 128, static_cast<uint8_t>(255 - i * 20)});
        seeds.push_back(h.ToBytes());
    } else if (name == "dss") {
        CShapeTable table;
        LoadShapes(table);
        seeds.push_back(ShapeStateBytes(table));
    } else if (name == "bmp") {
        seeds.push_back(BmpFileBytes(BitmapToDib(picture)));
    } else if (name == "jpeg") {
        std::vector<uint8_t> out;
        if (WriteJpegBytes(out, 80, picture))
            seeds.push_back(out);
    } else if (name == "png") {
        std::vector<uint8_t> out;
        if (WritePngBytes(out, picture))
            seeds.push_back(out);
    } else if (name == "tips") {
        const std::string ours = OurTips();
        seeds.push_back(Bytes(ours));
        std::string crlf;
        for (char c : ours)
            crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        seeds.push_back(Bytes(crlf));
        seeds.push_back(Bytes("; only a comment\n\n" + std::string(1500, 'x') + "\n"));
    } else if (name == "settings") {
        std::string lines;
        for (size_t i = 0; i < CSettingsTable::KeysInOrder().size(); ++i)
            lines += std::to_string(i % 3 == 0 ? 1 : 300 + i) + "\n";
        seeds.push_back(Bytes(lines));
    }
    return seeds;
}
