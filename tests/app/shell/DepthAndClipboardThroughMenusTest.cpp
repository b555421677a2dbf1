// Simulate Depth and the glob clipboard as a user reaches them: menu commands and keys, their
// dialogs, the Edit menu's undo text, and the drawings written to files.
#include "app/view/ViewCursors.h"
#include "core/base/AtomicFile.h"
#include "core/model/CDocumentFile.h"
#include "tests/app/support/ProgramRig.h"
#include "tests/app/support/Shots.h"
#include <QColor>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <span>

namespace {
using C = CommandId;

// Answers a dialog by clicking the radio buttons with these texts, then OK.
DialogAnswerer::Step Choose(const QStringList& radios)
{
    return {"choose " + radios.join(", "), {}, [radios](QDialog& d) {
                for (const QString& text : radios) {
                    QRadioButton* found = nullptr;
                    for (QRadioButton* r : d.findChildren<QRadioButton*>())
                        if (r->text() == text)
                            found = r;
                    ASSERT_NE(found, nullptr) << text.toStdString();
                    found->click();
                }
                d.accept();
            }};
}

// A stroke of n globs far enough apart that none covers another.
std::vector<QPoint> Row(int y, int n)
{
    std::vector<QPoint> pts;
    for (int i = 0; i < n; ++i)
        pts.push_back({20 + 14 * i, y});
    return pts;
}

std::unique_ptr<CDaubrixDoc> ReadBack(ProgramRig& p, const std::string& path)
{
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    auto doc = std::make_unique<CDaubrixDoc>(p.app.ShapeTable(), &p.host);
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    CDocumentFile::Read(std::span<const uint8_t>(data, bytes.size()), *doc, nullptr, false);
    return doc;
}

struct Program : ProgramRig {
    Program() { app.Drawing().m_jitter = app.Drawing().m_polar = 0; }
    void Save(CChildFrame& c, const std::string& path)
    {
        c.Doc().SetPathName(path);
        Run(C::FileSave);
    }
};
} // namespace

TEST(DepthAndClipboardThroughMenus, ChromaDepthReadsBlueToRedAndSurvivesSavingAndReopening)
{
    Program p;
    CChildFrame* c = p.NewDrawing(300, 200);
    for (int y : {40, 90, 140})
        p.Stroke(*c, Row(y, 8));
    p.dialogs.Then(Choose({"Entire Drawing", "ChromaDepth (tm)"}));
    p.Run(C::SimulateDepth);
    EXPECT_EQ(p.dialogs.titles, QStringList{"Simulate Depth"});
    EXPECT_EQ(p.Act(C::EditUndo)->text(), "&Undo Simulate Depth");
    const QImage drawn = c->DrawingWidget().ImageView().copy();
    MaybeShoot(*p.frame, "chromadepth_drawing");

    const std::string path = p.File("depth.dbx");
    p.Save(*c, path);
    p.Close(c);
    p.dialogs.Then(DialogAnswerer::ChooseFile(path));
    p.Run(C::FileOpen);
    CChildFrame* again = p.Frame().ActiveChild();
    ASSERT_NE(again, nullptr);
    again->DrawingWidget().RunEngine();
    const QImage img = again->DrawingWidget().ImageView();
    EXPECT_EQ(img, drawn);

    // Along the drawing order the hue falls from blue to red.
    const CDaubrixDoc& doc = again->Doc();
    ASSERT_EQ(doc.GetGlobCount(), 24);
    int previous = 360;
    for (int i = 0; i < doc.GetGlobCount(); ++i) {
        const QColor px = img.pixelColor(doc.GetGlob(i).X() + 1, doc.GetGlob(i).Y() + 1);
        EXPECT_LE(px.hue(), previous + 2) << i;
        previous = px.hue();
    }
    const QColor first = img.pixelColor(doc.GetGlob(0).X() + 1, doc.GetGlob(0).Y() + 1);
    const QColor last = img.pixelColor(doc.GetGlob(23).X() + 1, doc.GetGlob(23).Y() + 1);
    EXPECT_GT(first.blue(), first.red() + 100);
    EXPECT_GT(last.red(), last.blue() + 100);
}

TEST(DepthAndClipboardThroughMenus, AStrokeCopiedWithTheKeyIsPastedIntoAnotherDrawing)
{
    Program p;
    CChildFrame* a = p.NewDrawing(300, 200);
    p.Stroke(*a, Row(40, 6));
    p.app.CurrentShape().m_hue = 120;
    p.Stroke(*a, Row(100, 5));
    p.frame->UpdateCommands();
    EXPECT_FALSE(p.Act(C::EditPaste)->isEnabled());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(p.frame.get()));

    p.dialogs.Then(Choose({"Last Section Only"}));
    QTest::keyClick(&a->DrawingWidget(), Qt::Key_C, Qt::ControlModifier);
    p.Settle();
    ASSERT_EQ(p.dialogs.titles, QStringList{"Copy"});
    p.frame->UpdateCommands();
    EXPECT_TRUE(p.Act(C::EditPaste)->isEnabled());
    const std::string pathA = p.File("a.dbx"), pathB = p.File("b.dbx");
    p.Save(*a, pathA);

    // 40 x 40 larger: the centre lies (20, 20) further.
    CChildFrame* b = p.NewDrawing(340, 240);
    p.dialogs.Then(Choose({"Preserve colors"}));
    p.Run(C::EditPaste);
    EXPECT_EQ(p.Act(C::EditUndo)->text(), "&Undo Paste");
    MaybeShoot(*p.frame, "pasted_drawing");
    p.Save(*b, pathB);

    const auto docA = ReadBack(p, pathA), docB = ReadBack(p, pathB);
    ASSERT_EQ(docA->GetGlobCount(), 11);
    ASSERT_EQ(docB->GetGlobCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(docB->GetGlob(i).X(), docA->GetGlob(6 + i).X() + 20) << i;
        EXPECT_EQ(docB->GetGlob(i).Y(), docA->GetGlob(6 + i).Y() + 20) << i;
    }
    EXPECT_EQ(docB->GetColorChangeHue(0), 120);
    EXPECT_EQ(docB->Sections().Count(), 1);

    // Undo and Redo of the paste through the Edit menu.
    p.Run(C::EditUndo);
    EXPECT_EQ(b->DrawingWidget().View().ShownCount(), 0);
    EXPECT_EQ(p.Act(C::EditUndo)->text(), "&Redo Paste");
    p.Run(C::EditUndo);
    EXPECT_EQ(b->Doc().GetGlobCount(), 5);
}

TEST(DepthAndClipboardThroughMenus, CutAndDefinePatternThenStampIt)
{
    Program p;
    CChildFrame* c = p.NewDrawing(300, 200);
    p.Stroke(*c, Row(40, 4));
    p.Stroke(*c, Row(100, 3));
    EXPECT_FALSE(p.Act(C::Pattern)->isEnabled());
    p.dialogs.Then(Choose({"Entire Drawing"}));
    p.Run(C::DefinePattern);
    ASSERT_TRUE(p.Act(C::Pattern)->isEnabled());

    p.dialogs.Then(Choose({"Last Section Only"}));
    p.Run(C::EditCut);
    EXPECT_EQ(c->Doc().GetGlobCount(), 4);
    EXPECT_EQ(p.Act(C::EditUndo)->text(), "&Undo Cut");

    p.app.Drawing().m_lineMode = 1;
    p.dialogs.Then(Choose({"On", "Use new colors"}));
    p.Run(C::Pattern);
    EXPECT_TRUE(p.Act(C::Pattern)->isChecked());
    // The pointer says the click stamps.
    const QImage pointer = PatternCursor().pixmap().toImage();
    EXPECT_EQ(c->DrawingWidget().cursor().pixmap().toImage(), pointer);
    if (!qgetenv("DAUBRIX_SHOTS").isEmpty())
        pointer.scaled(128, 128).save(QString::fromLocal8Bit(qgetenv("DAUBRIX_SHOTS")) + "/pattern_cursor_x4.png");
    EXPECT_EQ(p.app.Drawing().m_lineMode, 0);
    EXPECT_EQ(p.app.Clipboard().m_patternPreserveColors, 0);
    p.Stroke(*c, {{150, 150}});
    EXPECT_EQ(c->Doc().GetGlobCount(), 4 + 7);
    MaybeShoot(*p.frame, "pattern_stamped");
}

TEST(DepthAndClipboardThroughMenus, CancelLeavesTheDrawingAndTheChoicesAsTheyWere)
{
    Program p;
    CChildFrame* c = p.NewDrawing(300, 200);
    p.Stroke(*c, Row(40, 5));
    const std::vector<CColorChange> changes = c->Doc().ColorChanges();
    auto clickThenCancel = [](const QString& text) {
        return DialogAnswerer::Step{"cancel", {}, [text](QDialog& d) {
                                        for (QRadioButton* r : d.findChildren<QRadioButton*>())
                                            if (r->text() == text)
                                                r->click();
                                        d.reject();
                                    }};
    };
    p.dialogs.Then(clickThenCancel("ChromaDepth (tm)"));
    p.Run(C::SimulateDepth);
    p.dialogs.Then(clickThenCancel("Last Section Only"));
    p.Run(C::EditCut);
    EXPECT_EQ(p.dialogs.titles, (QStringList{"Simulate Depth", "Cut"}));
    EXPECT_EQ(c->Doc().ColorChanges(), changes);
    EXPECT_EQ(c->Doc().GetGlobCount(), 5);
    EXPECT_EQ(p.app.Depth().m_depthLight, 1);
    EXPECT_EQ(p.app.Clipboard().m_cutEntire, 1);
    EXPECT_EQ(p.Act(C::EditUndo)->text(), "&Undo Drawing");
    EXPECT_FALSE(p.Act(C::EditPaste)->isEnabled());
}
