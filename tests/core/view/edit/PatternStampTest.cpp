#include "core/settings/CAutoChange.h"
#include "core/view/edit/PatternMode.h"
#include "tests/core/view/edit/GlobEditFixture.h"

namespace {
class PatternStamp : public GlobEditFixture {
protected:
    // A pattern of n globs taken from a stroke, the drawing then emptied.
    void DefineFromStroke(int n, int hue = 200)
    {
        Stroke(hue, n, 80, 40, 0, 2);
        ASSERT_TRUE(edits().DefinePattern(true));
        view->History().Undo();   // hide the stroke; the next one truncates it
        PatternMode::Set(app.Modes(), view.get(), true);
    }
    void Click(int x, int y)
    {
        stroke().ButtonDown(x, y, false, false);
        stroke().MouseMove(x + 30, y + 10, false);   // a drag adds nothing
        stroke().ButtonUp();
    }
};
} // namespace

TEST_F(PatternStamp, EachClickStampsThePatternAroundIt)
{
    DefineFromStroke(10);
    const CGlobBuffer& pattern = app.Clipboard().m_pattern;
    ASSERT_EQ(pattern.m_globs.size(), 10u);
    Click(pattern.m_refX + 5, pattern.m_refY - 3);
    ASSERT_EQ(doc.GetGlobCount(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(Globs()[static_cast<size_t>(i)], (CPoint{pattern.m_globs[i].X() + 5, pattern.m_globs[i].Y() - 3}));
    EXPECT_EQ(view->ShownCount(), 10);
    EXPECT_EQ(doc.GetColorChangeHue(0), 200);
    EXPECT_EQ(doc.Undo().Kind(), kUndoDrawing);
    EXPECT_EQ(State().sections.back(), 10);
}

TEST_F(PatternStamp, MirrorBothMakesFourOfEveryGlob)
{
    DefineFromStroke(10);
    app.Drawing().m_mirrorBoth = 1;
    Click(60, 30);
    EXPECT_EQ(doc.GetGlobCount(), 40);
}

TEST_F(PatternStamp, NewColoursStepWithTheAutomaticChangeAndPreservedOnesDoNot)
{
    DefineFromStroke(8, 100);
    app.Clipboard().m_patternPreserveColors = 1;
    app.AutoColor().m_autoHue = kAutoUp;
    app.AutoColor().m_autoHueSpeed = 10;
    app.AutoColor().m_hueStep = 5;
    Click(60, 30);
    EXPECT_EQ(doc.GetColorChangeCount(), 1);
    EXPECT_EQ(app.CurrentShape().m_hue, 100);
    app.Clipboard().m_patternPreserveColors = 0;
    Click(60, 60);
    EXPECT_GE(doc.GetColorChangeCount(), 2);
    EXPECT_NE(app.CurrentShape().m_hue, 100);
    EXPECT_EQ(observer.colorsShown.back().m_hue, app.CurrentShape().m_hue);
}

TEST_F(PatternStamp, PatternModeExcludesLinesAndJitter)
{
    EXPECT_FALSE(PatternMode::Available(app.Clipboard()));
    DefineFromStroke(3);
    EXPECT_TRUE(PatternMode::Available(app.Clipboard()));
    PatternMode::Set(app.Modes(), view.get(), false);
    app.Drawing().m_lineMode = 1;
    app.Drawing().m_jitter = 1;
    PatternMode::Toggle(app.Modes(), view.get());
    EXPECT_TRUE(app.Modes().IsOn(CDrawingModes::kPattern));
    EXPECT_EQ(app.Drawing().m_lineMode, 0);
    EXPECT_EQ(app.Drawing().m_jitter, 0);
    PatternMode::Toggle(app.Modes(), view.get());
    EXPECT_FALSE(app.Modes().IsOn(CDrawingModes::kPattern));
}
