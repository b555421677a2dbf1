#include "tests/app/support/ProgramRig.h"
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
using C = CommandId;
constexpr C kLine = C::Count;

struct MenuLayout {
    const char* title;
    std::vector<C> items;   // kLine: a separator
};

// The menu bar users know, item for item; the command table places each command.
const std::vector<MenuLayout> kExpected = {
    {"&File", {C::FileNew, C::FileOpen, C::FileClose, C::FileSave, C::FileSaveAs, kLine, C::FilePrint,
               C::FilePrintPreview, C::FilePrintSetup, kLine, C::FileMru1, C::FileMru2, C::FileMru3, C::FileMru4,
               kLine, C::AppExit}},
    {"&Edit", {C::EditUndo, C::EditRedo, kLine, C::EditCut, C::EditCopy, C::EditPaste, kLine, C::DefinePattern,
               kLine, C::Preferences}},
    {"&View", {C::ViewToolbar, C::ViewToolbar2, C::ViewStatusBar, kLine, C::ViewShapesWindow, C::ViewColorsWindow,
               C::ViewHistoryWindow, kLine, C::FullScreen, kLine, C::MoveCenter, C::ResetCenter, kLine,
               C::Regenerate, C::ClearDrawing}},
    {"&Drawing", {C::Lines, C::Jitter, C::Skipping, kLine, C::MirrorHorizontal, C::MirrorVertical, C::MirrorBoth,
                  C::PolarMirror, kLine, C::Pattern}},
    {"&Colors", {C::AutoHue, C::AutoSat, C::AutoVal, kLine, C::SimulateDepth, kLine, C::SampleColor, C::SampleShape,
                 kLine, C::BackgroundColor}},
    {"&Image", {C::SaveImage, C::ImportImage, C::CreateMovie, kLine, C::LoadBackground, C::RemoveBackground, kLine,
                C::DrawingInfo, C::PrintSize}},
    {"&Window", {C::WindowCascade, C::WindowTile, C::WindowArrange}},
    {"&Help", {C::TipOfTheDay, kLine, C::HelpTopics, C::ContextHelp, kLine, C::About}},
};
} // namespace

TEST(MenuBarLayout, EveryMenuHasItsItemsInOrderWithTheirSeparators)
{
    ProgramRig rig(ProgramRig::Bare);
    CMainFrame& frame = *rig.frame;
    const QList<QAction*> menus = frame.menuBar()->actions();
    ASSERT_EQ(menus.size(), static_cast<int>(kExpected.size()));
    for (size_t m = 0; m < kExpected.size(); ++m) {
        SCOPED_TRACE(kExpected[m].title);
        ASSERT_EQ(menus[static_cast<int>(m)]->text().toStdString(), kExpected[m].title);
        const QList<QAction*> items = menus[static_cast<int>(m)]->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<int>(kExpected[m].items.size()));
        for (size_t i = 0; i < kExpected[m].items.size(); ++i) {
            const C want = kExpected[m].items[i];
            if (want == kLine)
                EXPECT_TRUE(items[static_cast<int>(i)]->isSeparator()) << i;
            else
                EXPECT_EQ(items[static_cast<int>(i)], frame.Action(want)) << i;
        }
    }
    EXPECT_EQ(frame.WindowMenu(), menus[6]->menu());
}
