#pragma once
#include "BenchShapes.h"
#include "core/base/AtomicFile.h"
#include "core/base/CQuietHost.h"
#include "core/base/CRandom.h"
#include "core/model/CDaubrixDoc.h"
#include "core/model/CDocumentFile.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/commands/DocumentIO.h"
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

// Benchmarks draw on what they generate themselves: Medium shapes cycling through the
// families, a colour change every 500 globs, and sectionCount evenly spaced section
// boundaries ending at the last glob, on a 1024 x 768 drawing.
namespace bench {

constexpr int kWidth = 1024, kHeight = 768;

template <typename Host> struct ProgramWith {
    Host host;
    CDaubrixApp app{host};

    ProgramWith() { LoadMediumShapes(app.ShapeTable(), host); }
    ~ProgramWith()
    {
        for (const std::string& f : m_files)
            unlink(f.c_str());
    }
    ProgramWith(const ProgramWith&) = delete;
    ProgramWith& operator=(const ProgramWith&) = delete;
    std::unique_ptr<CDaubrixDoc> NewDoc()
    {
        auto doc = std::make_unique<CDaubrixDoc>(app.ShapeTable(), &host);
        doc->SetWidth(kWidth);
        doc->SetHeight(kHeight);
        return doc;
    }
    // globs appended to doc, with its colour changes and sections.
    void Fill(CDaubrixDoc& doc, int globs, int sectionCount = 10)
    {
        const std::vector<int> medium = ::MediumShapes(app.ShapeTable());
        CRandom rnd(12345);
        for (int i = 0; i < globs; ++i) {
            app.ShapeTable().m_currentShape = static_cast<uint8_t>(medium[static_cast<size_t>(i / 500) % medium.size()]);
            if (i % 500 == 0)
                doc.SetColorChange(i, rnd.Next() % 360, 128 + rnd.Next() % 128, 160 + rnd.Next() % 96);
            doc.AppendGlob(rnd.Next() % kWidth, rnd.Next() % kHeight);
        }
        sectionCount = std::min(sectionCount, CDaubrixDoc::kMaxSections);
        int32_t bounds[CDaubrixDoc::kMaxSections] = {};
        const int count = globs > 0 ? sectionCount : 0;
        for (int s = 0; s < count; ++s)
            bounds[s] = static_cast<int>(static_cast<int64_t>(globs) * (s + 1) / sectionCount);
        doc.LoadSections(0, count, bounds);
    }
    // A .dbx file of such a drawing in the temporary folder; its path.
    std::string WriteDrawing(int globs, int sectionCount = 10)
    {
        auto doc = NewDoc();
        Fill(*doc, globs, sectionCount);
        std::vector<uint8_t> bytes;
        DocumentBackground none;
        CDocumentFile::Write(*doc, &none, bytes);
        const std::string path = "/tmp/daubrix-bench-" + std::to_string(getpid()) + "-" + std::to_string(globs) + ".dbx";
        WriteFileAtomically(path, bytes);
        m_files.push_back(path);
        return path;
    }

private:
    std::vector<std::string> m_files;
};

using Program = ProgramWith<CQuietHost>;

// One program per benchmark run, and one file per drawing size.
inline Program& TheProgram()
{
    static Program program;
    return program;
}

inline const std::string& DrawingFile(int globs)
{
    static std::map<int, std::string> files;
    auto it = files.find(globs);
    if (it == files.end())
        it = files.emplace(globs, TheProgram().WriteDrawing(globs)).first;
    return it->second;
}

// The baseline of the window benchmarks: the engine's bare replay of the drawing file's globs,
// no window and no pictures kept on the way.
inline void EngineRegenerate(benchmark::State& state, int globs)
{
    Program& p = TheProgram();
    auto doc = p.NewDoc();
    DocumentBackground background;
    ReadDocumentFile(DrawingFile(globs), *doc, &background, false, p.host);
    CDaubrixView view(p.app, *doc);
    view.Checkpoints().SetBudget(0);
    view.OnInitialUpdate();
    view.Paint();
    for (auto _ : state) {
        view.Regenerate();
        view.Paint();
        benchmark::DoNotOptimize(view.DrawingImage().Data());
    }
}

} // namespace bench
