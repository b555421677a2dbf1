#pragma once
#include "core/imaging/ImageFile.h"
#include "core/base/AtomicFile.h"
#include "core/shell/CDaubrixApp.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TempDir.h"
#include "core/view/CDaubrixView.h"
#include "core/commands/DocumentIO.h"
#include "core/commands/ImageCommands.h"
#include <gtest/gtest.h>
#include "tests/cli/CliRunner.h"

// A 120 × 90 drawing of 40 globs in four shapes with colour changes, and a way to run the
// command-line tool on it.
struct CliTest : ::testing::Test {
    TempDir dir;
    FakeHost host;
    CDaubrixApp app{host};
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;

    void SetUp() override
    {
        app.ShapeTable().LoadShapes(std::string(DAUBRIX_DATA_DIR) + "/", &host);
        ASSERT_GT(app.ShapeTable().Count(), 3);
        app.ShapeTable().PrepareAll();
        doc = std::make_unique<CDaubrixDoc>(app.ShapeTable(), &host);
        doc->SetWidth(120);
        doc->SetHeight(90);
        doc->SetBackgroundColor(MakeColorRef(200, 100, 50));
        view = std::make_unique<CDaubrixView>(app, *doc);
        for (int i = 0; i < 40; ++i) {
            app.ShapeTable().m_currentShape = static_cast<uint8_t>(i % 4);
            if (i % 10 == 0)
                doc->SetColorChange(i, i * 9, 220, 240);
            doc->AddGlob(10 + i * 2, 20 + i);
        }
        doc->AddSection(20);
        doc->AddSection(40);
        view->OnInitialUpdate();
        view->Paint();
    }

    std::string Saved()
    {
        const std::string path = dir.File("d.dbx");
        EXPECT_TRUE(SaveDocumentFile(path, *doc, view.get(), host));
        return path;
    }

    CliRun Cli(const std::string& args) { return RunCli(args, dir); }
};

