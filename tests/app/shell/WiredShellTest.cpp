// The frame's own duties once every feature is wired in: which commands are live, closing
// with unsaved drawings, recent files and dropped files.
#include "tests/app/support/ProgramRig.h"
#include "app/shell/CCommandTable.h"
#include "app/view/CDrawingWidget.h"
#include <QAction>
#include <QMdiArea>
#include <QMimeData>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>
#include <filesystem>
#include <set>

// Readable failures: a command shows as its menu text.
void PrintTo(CommandId id, std::ostream* os)
{
    *os << CCommandTable::Info(id).text;
}

namespace {
using C = CommandId;

// Every command the frame knows that is enabled now.
std::set<C> Enabled(ProgramRig& w)
{
    w.Frame().UpdateCommands();
    std::set<C> out;
    for (int i = 0; i < CCommandTable::Count(); ++i)
        if (w.Act(static_cast<C>(i))->isEnabled())
            out.insert(static_cast<C>(i));
    return out;
}

// The commands whose features are not in the program yet.
const std::set<C> kNotBuilt = {};
// Live only once something was copied, a pattern defined or a step undone.
const std::set<C> kNeedBuffer = {C::EditPaste, C::Pattern, C::EditRedo};
// Built, but only meaningful with a drawing (or a step to undo, or a background to remove).
const std::set<C> kNeedDrawing = {C::FileClose,  C::FileSave,      C::FileSaveAs,     C::FilePrint,
                                  C::FilePrintPreview, C::PrintSize, C::EditUndo,
                                  C::Regenerate, C::MoveCenter,    C::ResetCenter,    C::SaveImage, C::ImportImage,
                                  C::LoadBackground, C::RemoveBackground, C::CreateMovie, C::WindowCascade, C::WindowTile,
                                  C::WindowArrange, C::EditCut, C::EditCopy, C::DefinePattern, C::SimulateDepth,
                                  C::ClearDrawing, C::SampleColor, C::SampleShape, C::BackgroundColor,
                                  C::DrawingInfo};
// Shown (and live) only while the recent-file list has that many entries.
const std::set<C> kRecent = {C::FileMru1, C::FileMru2, C::FileMru3, C::FileMru4};
} // namespace

TEST(WiredShell, BuiltCommandsAreLiveAndTheOthersWaitDisabled)
{
    ProgramRig w;
    std::set<C> all;
    for (int i = 0; i < CCommandTable::Count(); ++i)
        all.insert(static_cast<C>(i));
    std::set<C> idle;
    for (C id : all)
        if (!kNotBuilt.count(id) && !kNeedDrawing.count(id) && !kRecent.count(id) && !kNeedBuffer.count(id))
            idle.insert(id);
    EXPECT_EQ(Enabled(w), idle);

    // With a drawing holding one stroke everything built is live except Remove background.
    w.Drawing(300, 200);
    std::set<C> drawing;
    for (C id : all)
        if (!kNotBuilt.count(id) && !kRecent.count(id) && !kNeedBuffer.count(id) && id != C::RemoveBackground)
            drawing.insert(id);
    EXPECT_EQ(Enabled(w), drawing);

    // The toolbar buttons are the same actions, so a disabled command's button is grey too.
    int buttons = 0;
    for (C id : all)
        for (QToolBar* bar : {w.Frame().Toolbar(0), w.Frame().Toolbar(1)})
            if (bar->actions().contains(w.Frame().Action(id))) {
                ++buttons;
                EXPECT_EQ(bar->widgetForAction(w.Frame().Action(id))->isEnabled(), kNotBuilt.count(id) + kNeedBuffer.count(id) == 0)
                    << CCommandTable::Info(id).text;
            }
    EXPECT_EQ(buttons, 9 + 19);
}

TEST(WiredShell, ExitAsksAboutEveryDrawingBeforeClosingAny)
{
    ProgramRig w;
    CChildFrame* a = w.Drawing(200, 150);
    CChildFrame* b = w.Drawing(220, 160);
    ASSERT_TRUE(a->Doc().IsModified() && b->Doc().IsModified());

    // No for the first, Cancel for the second: the exit stops and both drawings stay.
    w.host.answers = {MsgAnswer::No, MsgAnswer::Cancel};
    EXPECT_FALSE(w.Frame().close());
    EXPECT_EQ(w.host.questions, (std::vector<std::string>{"Save changes to Daubrix1?", "Save changes to Daubrix2?"}));
    EXPECT_EQ(w.Frame().Children().size(), 2);
    EXPECT_TRUE(w.Frame().isVisible());

    // The next try asks again; Yes on the untitled drawing saves it through the file dialog.
    w.host.questions.clear();
    w.host.answers = {MsgAnswer::Yes, MsgAnswer::No};
    const std::string path = w.data.File("first.dbx");
    w.dialogs.Then(DialogAnswerer::ChooseFile(path));
    EXPECT_TRUE(w.Frame().close());
    EXPECT_EQ(w.host.questions.size(), 2u);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_GT(std::filesystem::file_size(path), 60u);
    EXPECT_EQ(w.Frame().RecentFiles().value(0).toStdString(), path);
}

TEST(WiredShell, ClosingOneDrawingSavesItUnderTheChosenName)
{
    ProgramRig w;
    CChildFrame* c = w.Drawing(240, 180);
    const std::string path = w.data.File("kept.dbx");
    // Cancel in the file dialog keeps the drawing open and modified.
    w.host.answers = {MsgAnswer::Yes};
    w.dialogs.Then(DialogAnswerer::Cancel());
    EXPECT_FALSE(c->close());
    EXPECT_TRUE(c->Doc().IsModified());

    // Save As renames the window and the frame's title.
    w.dialogs.Then(DialogAnswerer::ChooseFile(path));
    w.Frame().Action(C::FileSaveAs)->trigger();
    EXPECT_FALSE(c->Doc().IsModified());
    EXPECT_EQ(c->windowTitle(), "kept.dbx");
    EXPECT_EQ(w.Frame().windowTitle(), "Daubrix - kept.dbx");
    const size_t asked = w.host.questions.size();
    EXPECT_TRUE(c->close());
    EXPECT_EQ(w.host.questions.size(), asked) << "a saved drawing closes without asking";
}

TEST(WiredShell, RecentFilesReopenForgetMissingOnesAndNeverDoubleAWindow)
{
    ProgramRig w;
    const std::string path = w.data.File("recent.dbx");
    CChildFrame* c = w.SavedDrawing(200, 120, path);
    ASSERT_TRUE(std::filesystem::exists(path));
    const int globs = c->Doc().GetGlobCount();

    // Opening a file already shown brings its window forward instead of a second copy.
    w.Drawing(150, 150);
    w.Frame().Action(C::FileMru1)->trigger();
    EXPECT_EQ(w.Frame().Children().size(), 2);
    EXPECT_EQ(w.Frame().ActiveChild(), c);

    c->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    w.Frame().Action(C::FileMru1)->trigger();
    ASSERT_EQ(w.Frame().Children().size(), 2);
    EXPECT_EQ(w.Frame().ActiveChild()->Doc().GetGlobCount(), globs);
    EXPECT_EQ(w.Frame().ActiveChild()->windowTitle(), "recent.dbx");

    // A listed file that has gone is reported and leaves the list.
    w.Frame().ActiveChild()->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::filesystem::remove(path);
    w.host.messages.clear();
    w.Frame().Action(C::FileMru1)->trigger();
    EXPECT_TRUE(w.host.Said("Failed to open document."));
    EXPECT_TRUE(w.Frame().RecentFiles().isEmpty());
    EXPECT_FALSE(w.Frame().Action(C::FileMru1)->isVisible());
    EXPECT_EQ(w.profile.GetString("Recent File List", "File1", "x"), "");
}

TEST(WiredShell, FileDroppedOnADrawingWindowOpensThroughTheFrame)
{
    ProgramRig w;
    const std::string path = w.data.File("dropped.dbx");
    CChildFrame* c = w.SavedDrawing(260, 200, path);
    c->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    CChildFrame* other = w.Drawing(300, 250);

    // Qt hands a drop to the first widget up the chain that accepts drops: over a drawing
    // (or the workspace) that must be the frame, not something that swallows it.
    for (QWidget* under : {static_cast<QWidget*>(&other->DrawingWidget()), w.Frame().Workspace()->viewport()}) {
        QWidget* target = under;
        while (target && !target->acceptDrops())
            target = target->parentWidget();
        EXPECT_EQ(target, &w.Frame());
    }
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w.Frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w.Frame(), &drop);
    ASSERT_EQ(w.Frame().Children().size(), 2);
    EXPECT_EQ(w.Frame().ActiveChild()->windowTitle(), "dropped.dbx");
    EXPECT_EQ(w.Frame().ActiveChild()->Doc().Width(), 260);
}
