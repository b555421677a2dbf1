#include "core/model/CDocumentFile.h"
#include "core/base/AtomicFile.h"
#include "core/shell/CDaubrixApp.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TempDir.h"
#include "tests/core/support/TestShapes.h"
#include "core/view/CDaubrixView.h"
#include "core/commands/DocumentIO.h"
#include "core/commands/ImageCommands.h"
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
struct Drawing {
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;
};

struct DocumentIOTest : ::testing::Test {
    FakeHost host;
    CDaubrixApp app{host};
    TempDir dir;
    void SetUp() override { LoadTestShapes(app.ShapeTable()); }

    Drawing Make(int w = 160, int h = 120)
    {
        Drawing d;
        d.doc = std::make_unique<CDaubrixDoc>(app.ShapeTable(), &host);
        d.doc->SetWidth(w);
        d.doc->SetHeight(h);
        d.view = std::make_unique<CDaubrixView>(app, *d.doc);
        return d;
    }
    Drawing Sample()
    {
        Drawing d = Make();
        d.doc->SetBackgroundColor(MakeColorRef(30, 60, 90));
        CShapeTable& t = app.ShapeTable();
        for (int i = 0; i < 120; ++i) {
            t.m_currentShape = static_cast<uint8_t>(i / 30 % 3 * 3);
            if (i % 15 == 0)
                d.doc->SetColorChange(i, (i * 7) % 360, 200, 230);
            d.doc->AddGlob(i * 13 % 170 - 5, i * 29 % 130 - 5);
            if (i % 40 == 39)
                d.doc->AddSection(d.doc->GetGlobCount());
        }
        d.view->OnInitialUpdate();
        d.view->Paint();
        return d;
    }
};
} // namespace

TEST_F(DocumentIOTest, SaveAndReopenLooksIdentical)
{
    Drawing d = Sample();
    // A background too, so the stored JPEG is part of what must come back.
    CImage32 pic(80, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 80; ++x)
            pic.Set(x, y, MakePixel(x * 3, 255 - y * 5, 100));
    ASSERT_TRUE(ApplyBackground(*d.view, pic, BackgroundSizing::Normal, host));
    d.view->Paint();
    const std::string path = dir.File("drawing.dbx");
    ASSERT_TRUE(SaveDocumentFile(path, *d.doc, d.view.get(), host));
    EXPECT_FALSE(d.doc->IsModified());
    EXPECT_EQ(d.doc->Title(), "drawing.dbx");

    Drawing r = Make(100, 100);
    ASSERT_TRUE(OpenDocumentFile(path, *r.doc, r.view.get(), false, host));
    EXPECT_EQ(r.doc->PathName(), path);
    EXPECT_FALSE(r.doc->IsModified());
    EXPECT_EQ(r.view->ShownCount(), 120);
    r.view->Paint();
    EXPECT_EQ(r.view->DrawingImage(), d.view->DrawingImage());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(DocumentIOTest, DamagedBackgroundIsToldByTheCodecAndTheDrawingStillOpens)
{
    Drawing d = Sample();
    ASSERT_TRUE(ApplyBackground(*d.view, CImage32(30, 20, MakePixel(90, 10, 200)), BackgroundSizing::Normal, host));
    const std::string path = dir.File("bg.dbx");
    ASSERT_TRUE(SaveDocumentFile(path, *d.doc, d.view.get(), host));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes));
    // Everything after the JPEG's first marker becomes noise.
    const size_t soi = bytes.rfind(std::string("\xFF\xD8", 2));
    ASSERT_NE(soi, std::string::npos);
    for (size_t i = soi + 2; i < bytes.size(); ++i)
        bytes[i] = 0x11;
    ASSERT_TRUE(WriteFileAtomically(path, std::vector<uint8_t>(bytes.begin(), bytes.end())));

    Drawing r = Make();
    DocumentBackground background;
    const FileResult read = ReadDocument(path, *r.doc, &background, false);
    ASSERT_TRUE(read);
    EXPECT_EQ(r.doc->GetGlobCount(), 120);
    EXPECT_EQ(r.doc->HasBackgroundImage(), 0);
    const std::vector<UserMessage> said = FileMessages(read, DocumentWording());
    ASSERT_FALSE(said.empty());
    for (const UserMessage& m : said) {
        EXPECT_EQ(m.caption, "JPEG Library Error") << m.text;
        EXPECT_EQ(m.icon, MsgIcon::Stop);
    }
    // Through the host the same messages, and nothing more.
    host.messages.clear();
    Drawing o = Make();
    ASSERT_TRUE(OpenDocumentFile(path, *o.doc, o.view.get(), false, host));
    ASSERT_EQ(host.messages.size(), said.size());
    EXPECT_EQ(host.messages.back().text, said.back().text);
}

TEST_F(DocumentIOTest, OpenFailuresReportAndChangeNothing)
{
    Drawing d = Sample();
    EXPECT_FALSE(OpenDocumentFile(dir.File("missing.dbx"), *d.doc, d.view.get(), false, host));
    EXPECT_TRUE(host.Said("Failed to open document."));
    const std::string junk = dir.File("junk.dbx");
    const std::vector<uint8_t> bytes = {7, 'D', 'a', 'u', 'b', 'r', 'i', 'x', 1, 2};
    ASSERT_TRUE(WriteFileAtomically(junk, bytes));
    EXPECT_FALSE(OpenDocumentFile(junk, *d.doc, d.view.get(), false, host));
    EXPECT_TRUE(host.Said("Unexpected file format."));
    EXPECT_EQ(d.doc->GetGlobCount(), 120);
    EXPECT_EQ(d.doc->Width(), 160);
}

TEST_F(DocumentIOTest, FailedSaveLeavesTheOldFileIntact)
{
    const std::string path = dir.File("keep.dbx");
    Drawing small = Make();
    ASSERT_TRUE(SaveDocumentFile(path, *small.doc, small.view.get(), host));
    std::string old;
    ASSERT_TRUE(ReadWholeFile(path, old));

    // A child process whose files may not grow past 64 bytes stands in for a full disk.
    Drawing big = Sample();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{64, 64};
        setrlimit(RLIMIT_FSIZE, &limit);
        const bool saved = SaveDocumentFile(path, *big.doc, big.view.get(), host);
        _exit(!saved && host.Said("Failed to save document.") && big.doc->IsModified() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    std::string now;
    ASSERT_TRUE(ReadWholeFile(path, now));
    EXPECT_EQ(now, old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);

    EXPECT_FALSE(SaveDocumentFile("/nonexistent-folder-xyz/a.dbx", *big.doc, big.view.get(), host));
    EXPECT_TRUE(host.Said("Failed to save document."));
}
