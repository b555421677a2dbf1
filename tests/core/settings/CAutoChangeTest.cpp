#include "core/settings/CAutoChange.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TestShapes.h"
#include "core/shell/CDaubrixApp.h"
#include <gtest/gtest.h>

namespace {
class AutoColorTest : public ::testing::Test {
protected:
    FakeHost host;
    CDaubrixApp app{host};
    uint8_t ticks[3] = {0, 0, 0};
    int h = 0, s = 0, v = 0;

    void SetUp() override { LoadTestShapes(app.ShapeTable()); }
    // Calls until the next step and returns how many calls it took.
    int StepOnce()
    {
        for (int calls = 1; calls < 1000; ++calls)
            if (app.AutoChange().Step(ticks, h, s, v))
                return calls;
        return -1;
    }
};
} // namespace

TEST_F(AutoColorTest, HueUpKeepsThreeSixtyThenWrapsToZero)
{
    app.AutoChange().Set(ColorComponent::Hue, kAutoUp, 10);
    h = 355;
    StepOnce();
    EXPECT_EQ(h, 360);
    StepOnce();
    EXPECT_EQ(h, 0);
    StepOnce();
    EXPECT_EQ(h, 5);
}

TEST_F(AutoColorTest, HueDownFromZeroWrapsToThreeSixty)
{
    app.AutoChange().Set(ColorComponent::Hue, kAutoDown, 10);
    h = 0;
    StepOnce();
    EXPECT_EQ(h, 360);
    StepOnce();
    EXPECT_EQ(h, 355);
}

TEST_F(AutoColorTest, SaturationBouncesAtTheTop)
{
    app.AutoChange().Set(ColorComponent::Saturation, kAutoUpDown, 10);
    EXPECT_EQ(app.AutoColor().m_saturationStep, 10);
    s = 250;
    StepOnce();
    EXPECT_EQ(s, 255);
    EXPECT_EQ(app.AutoColor().m_saturationStep, -10);
    StepOnce();
    EXPECT_EQ(s, 245);
    // Down and Up starts downwards and bounces at the bottom.
    app.AutoChange().Set(ColorComponent::Saturation, kAutoDownUp, 10);
    s = 5;
    StepOnce();
    EXPECT_EQ(s, 0);
    StepOnce();
    EXPECT_EQ(s, 10);
}

TEST_F(AutoColorTest, ValueUpAtTopStillCountsAsAStep)
{
    app.AutoChange().Set(ColorComponent::Value, kAutoUp, 10);
    v = 255;
    EXPECT_EQ(StepOnce(), 6);
    EXPECT_EQ(v, 255);
    EXPECT_EQ(StepOnce(), 6);
    EXPECT_EQ(v, 255);
}

TEST_F(AutoColorTest, SpeedGivesThePeriod)
{
    app.AutoChange().Set(ColorComponent::Hue, kAutoUp, 10);
    EXPECT_EQ(StepOnce(), 6);
    EXPECT_EQ(StepOnce(), 6);
    app.AutoChange().Set(ColorComponent::Hue, kAutoUp, 1);
    ticks[0] = 0;
    EXPECT_EQ(StepOnce(), 51);
    EXPECT_EQ(StepOnce(), 51);
    app.AutoChange().Set(ColorComponent::Hue, kAutoUp, 5);
    ticks[0] = 0;
    EXPECT_EQ(StepOnce(), 31);
}

TEST_F(AutoColorTest, CountersAdvanceEvenWhenOff)
{
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(app.AutoChange().Step(ticks, h, s, v));
    EXPECT_EQ(ticks[0], 4);
    EXPECT_EQ(ticks[2], 4);
    // Switching on does not reset the counter, so the first step comes early.
    app.AutoChange().Set(ColorComponent::Value, kAutoUp, 10);
    EXPECT_EQ(StepOnce(), 2);
}

TEST_F(AutoColorTest, UnknownModeFromSettingsDoesNotDrift)
{
    app.AutoColor().m_autoHue = 9;
    h = 100;
    for (int i = 0; i < 100; ++i)
        EXPECT_FALSE(app.AutoChange().Step(ticks, h, s, v));
    EXPECT_EQ(h, 100);
}

TEST_F(AutoColorTest, CtrlToggleUsesUpAndDownForSaturation)
{
    app.AutoChange().Toggle(ColorComponent::Saturation);
    EXPECT_EQ(app.AutoColor().m_autoSat, kAutoUpDown);
    EXPECT_EQ(app.AutoColor().m_saturationStep, 10);
    app.AutoChange().Toggle(ColorComponent::Saturation);
    EXPECT_EQ(app.AutoColor().m_autoSat, kAutoOff);
    app.AutoChange().Toggle(ColorComponent::Hue);
    EXPECT_EQ(app.AutoColor().m_autoHue, kAutoUp);
    EXPECT_EQ(app.AutoColor().m_hueStep, 5);
}

TEST_F(AutoColorTest, RandomDriftStopsExactlyOnEachTarget)
{
    app.CurrentShape().m_hue = 100;
    app.AutoChange().Set(ColorComponent::Hue, kAutoRandom, 10);
    h = 100;
    int reached = 0;
    for (int i = 0; i < 400 && reached < 5; ++i) {
        const int target = app.AutoColor().m_hueTarget;
        const int step = app.AutoColor().m_hueStep;
        EXPECT_EQ(std::abs(step), 5);
        EXPECT_TRUE(target >= 0 && target < 360);
        StepOnce();
        if (app.AutoColor().m_hueTarget != target || app.AutoColor().m_hueStep != step) {
            EXPECT_EQ(h, target);
            ++reached;
        } else {
            EXPECT_TRUE(step > 0 ? h < target : h > target);
        }
        app.CurrentShape().m_hue = static_cast<int16_t>(h);
    }
    EXPECT_EQ(reached, 5);
}
