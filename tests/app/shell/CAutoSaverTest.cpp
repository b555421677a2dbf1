#include "app/shell/CAutoSaver.h"
#include "core/commands/DocumentIO.h"
#include "tests/app/support/ProgramRig.h"
#include "tests/core/support/DeadProcess.h"
#include <QMdiArea>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

struct AutoSaveRig : ProgramRig {
    std::string folder = File("recovery");
    CAutoSaver* saver = new CAutoSaver(Frame(), app, folder);

    AutoSaveRig() { saver->SetInterval(std::chrono::milliseconds(0)); }

    std::string CopyOf(int id) const { return saver->Store().Folder() + "/drawing-" + std::to_string(id) + ".dbx"; }
    // The globs a kept copy holds; empty when there is no copy.
    std::vector<CGlob> CopiedGlobs(int id)
    {
        CDaubrixDoc doc(app.ShapeTable(), &host);
        if (!fs::exists(CopyOf(id)) || !ReadDocument(CopyOf(id), doc, nullptr, false))
            return {};
        return doc.Globs();
    }
};

} // namespace

TEST(AutoSaver, CopiesFollowChangesSavesClosesAndStrokes)
{
    AutoSaveRig rig;
    CChildFrame* a = rig.Drawing(200, 150);
    CChildFrame* b = rig.NewDrawing(120, 90);
    ASSERT_TRUE(rig.saver->SaveNow());
    EXPECT_EQ(rig.CopiedGlobs(1), a->Doc().Globs());
    EXPECT_FALSE(a->Doc().Globs().empty());
    EXPECT_FALSE(fs::exists(rig.CopyOf(2))) << "an unchanged drawing needs no copy";

    // Saved: the copy goes; changed again: it comes back.
    a->Doc().SetPathName(rig.File("a.dbx"));
    rig.Frame().Workspace()->setActiveSubWindow(a);
    rig.Run(CommandId::FileSave);
    EXPECT_FALSE(fs::exists(rig.CopyOf(1)));
    rig.Stroke(*a, {{30, 30}, {90, 60}});
    ASSERT_TRUE(rig.saver->SaveNow());
    EXPECT_EQ(rig.CopiedGlobs(1), a->Doc().Globs());

    // A stroke under way is not interrupted; its copy is made when the button is let go.
    CDrawingWidget* w = &b->DrawingWidget();
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, {20, 20});
    QTest::mouseMove(w, {60, 50});
    w->RunEngine();
    EXPECT_FALSE(rig.saver->SaveNow());
    EXPECT_EQ(rig.saver->Postponed(), 1);
    EXPECT_FALSE(fs::exists(rig.CopyOf(2)));
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, {60, 50});
    w->RunEngine();
    EXPECT_FALSE(b->Doc().Globs().empty());
    EXPECT_EQ(rig.CopiedGlobs(2), b->Doc().Globs());

    // Closed without saving: the user gave the changes up, so nothing is offered later.
    rig.host.answers = {MsgAnswer::No};
    rig.Close(a);
    EXPECT_FALSE(fs::exists(rig.CopyOf(1)));
    EXPECT_TRUE(fs::exists(rig.CopyOf(2)));

    // The frame going with a changed drawing still open (the session ended under it) keeps
    // the copy for the next start.
    const std::string folder = rig.saver->Store().Folder();
    rig.frame.reset();
    EXPECT_TRUE(fs::exists(folder + "/drawing-2.dbx"));
}

TEST(AutoSaver, ANormalEndLeavesNothingAndTheSettingSetsTheInterval)
{
    AutoSaveRig rig;
    rig.Drawing(100, 100);
    ASSERT_TRUE(rig.saver->SaveNow());
    const std::string folder = rig.saver->Store().Folder();
    ASSERT_TRUE(fs::exists(folder));

    for (int minutes : {0, -3}) {
        rig.saver->SetMinutes(minutes);
        EXPECT_FALSE(rig.saver->IsRunning()) << minutes;
    }
    rig.saver->SetMinutes(2);
    EXPECT_TRUE(rig.saver->IsRunning());
    rig.saver->SetMinutes(1 << 30);   // would overflow the timer's milliseconds
    EXPECT_TRUE(rig.saver->IsRunning());

    rig.host.answers = {MsgAnswer::No};
    EXPECT_TRUE(rig.Frame().close());
    rig.Settle();
    rig.frame.reset();
    EXPECT_FALSE(fs::exists(folder));
}

TEST(AutoSaver, RecoveryReopensUnderOwnNamesOrDiscards)
{
    for (const bool yes : {true, false}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        AutoSaveRig rig;
        CChildFrame* open = rig.Drawing(100, 100);   // "Daubrix1" of this run
        const std::vector<CGlob> globs = open->Doc().Globs();
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(DocumentBytes(open->Doc(), &open->View(), bytes));
        // What a run that died left: a drawing never saved and one saved under a name.
        CRecoveryStore crashed(rig.folder, DeadProcess());
        const std::string named = rig.File("Mein Bild \xc3\xa4.dbx");
        ASSERT_TRUE(crashed.Keep(1, "", "Daubrix4", bytes));
        ASSERT_TRUE(crashed.Keep(2, named, "Mein Bild \xc3\xa4.dbx", bytes));

        rig.host.answers = {yes ? MsgAnswer::Yes : MsgAnswer::No};
        EXPECT_EQ(rig.saver->OfferRecovery(), yes ? 2 : 0);
        EXPECT_EQ(rig.host.questions, std::vector<std::string>{"Recover 2 unsaved drawings?"});
        EXPECT_TRUE(rig.saver->Store().FindOrphans().empty());
        const QList<CChildFrame*> children = rig.Frame().Children();
        if (!yes) {
            EXPECT_EQ(children.size(), 1);
            continue;
        }
        ASSERT_EQ(children.size(), 3);
        EXPECT_EQ(children[1]->windowTitle(), "Daubrix2");
        EXPECT_EQ(children[1]->Doc().PathName(), "");
        EXPECT_EQ(children[2]->windowTitle(), QString::fromUtf8("Mein Bild \xc3\xa4.dbx"));
        EXPECT_EQ(rig.Frame().windowTitle(), QString::fromUtf8("Daubrix - Mein Bild \xc3\xa4.dbx"));
        for (CChildFrame* c : {children[1], children[2]}) {
            EXPECT_TRUE(c->Doc().IsModified());
            EXPECT_EQ(c->Doc().Globs(), globs);
        }
        // Recovered copies are this run's own at once, and Save goes to the drawing's own file.
        EXPECT_EQ(rig.CopiedGlobs(3), globs);
        rig.Run(CommandId::FileSave);
        CDaubrixDoc saved(rig.app.ShapeTable(), &rig.host);
        ASSERT_TRUE(ReadDocument(named, saved, nullptr, false));
        EXPECT_EQ(saved.Globs(), globs);
        EXPECT_FALSE(fs::exists(rig.CopyOf(3)));
    }
}

TEST(AutoSaver, ACopyOfAFileOpenAlreadyComesBackUnnamed)
{
    AutoSaveRig rig;
    const std::string path = rig.File("open.dbx");
    CChildFrame* open = rig.SavedDrawing(100, 100, path);
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(DocumentBytes(open->Doc(), &open->View(), bytes));
    CRecoveryStore crashed(rig.folder, DeadProcess());
    ASSERT_TRUE(crashed.Keep(1, path, "open.dbx", bytes));
    EXPECT_EQ(rig.saver->OfferRecovery(), 1);
    const QList<CChildFrame*> children = rig.Frame().Children();
    ASSERT_EQ(children.size(), 2);
    EXPECT_EQ(children[1]->Doc().PathName(), "") << "Save must not overwrite the other window's file";
    EXPECT_EQ(children[1]->windowTitle(), "Daubrix2");
}
