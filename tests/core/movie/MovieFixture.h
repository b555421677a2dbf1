#pragma once
#include "core/base/AtomicFile.h"
#include "core/imaging/ImageFile.h"
#include "core/movie/CAviOptionsModel.h"
#include "core/movie/IMovieDialogs.h"
#include "core/movie/MovieCommand.h"
#include "core/movie/MovieSchedule.h"
#include "core/view/CDaubrixView.h"
#include "tests/core/support/Commands.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/RiffWalker.h"
#include "tests/core/support/TempDir.h"
#include "tests/core/support/TestDrawing.h"
#include "tests/core/support/TestShapes.h"
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

// The movie tests' drawing (81 × 60, odd so rows carry padding) and scripted dialogs.
namespace movietest {

constexpr int kEscape = 27;

// Answers the three dialogs of Create movie as a script says.
struct ScriptedMovieDialogs : IMovieDialogs {
    std::string path;
    bool acceptMovie = true;
    std::function<void(MovieDialogValues&)> onMovie;
    MovieDialogValues shown;
    bool acceptOptions = true;
    AviOptions options;
    CMovieSettings rememberedSeen;
    int optionDialogs = 0;

    std::string AskMoviePath(bool) override { return path; }
    bool AskMovieOptions(MovieDialogValues& v) override
    {
        shown = v;
        if (onMovie)
            onMovie(v);
        return acceptMovie;
    }
    bool AskAviOptions(AviOptions& o, const CMovieSettings& remembered, MovieContainer) override
    {
        ++optionDialogs;
        rememberedSeen = remembered;
        if (acceptOptions)
            o = options;
        return acceptOptions;
    }
};

struct MovieFixture : ::testing::Test {
    FakeHost host;
    CDaubrixApp app{host};
    CDaubrixDoc doc{app.ShapeTable(), &host};
    std::unique_ptr<CDaubrixView> view;
    TempDir dir;
    ScriptedMovieDialogs dialogs;

    void SetUp() override
    {
        LoadTestShapes(app.ShapeTable());
        doc.SetWidth(81);   // odd, so rows carry padding
        doc.SetHeight(60);
        doc.SetBackgroundColor(MakeColorRef(250, 240, 200));
        BuildDrawing(app, doc, 100);
        view = std::make_unique<CDaubrixView>(app, doc);
        view->OnInitialUpdate();
        view->Paint();
        dialogs.options.handler = 0;
    }
    // The picture of the first n globs, drawn from scratch.
    CImage32 Regenerated(int n)
    {
        const int saved = view->ShownCount();
        view->BrowseTo(n);
        view->Regenerate();
        view->Paint();
        CImage32 image = view->DrawingImage();
        view->BrowseTo(saved);
        view->Paint();
        return image;
    }
    // Pixel (x, y) of a bottom-up 24-bit frame.
    static Pixel FramePixel(const std::vector<uint8_t>& rows, int w, int h, int x, int y)
    {
        const size_t stride = (static_cast<size_t>(w) * 3 + 3) & ~size_t{3};
        const uint8_t* p = rows.data() + stride * static_cast<size_t>(h - 1 - y) + 3 * static_cast<size_t>(x);
        return MakePixel(p[2], p[1], p[0]);
    }
};


} // namespace movietest
