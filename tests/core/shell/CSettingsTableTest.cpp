#include "core/shell/CDaubrixApp.h"
#include "core/base/CMapProfile.h"
#include "core/shell/CSettingsTable.h"
#include "tests/core/support/FakeHost.h"
#include <array>
#include <gtest/gtest.h>

namespace {
struct Fixture {
    FakeHost host;
    CDaubrixApp app{host};
    CMapProfile profile;
    void Put(const std::string& key, int v) { profile.m_values[{"Settings", key}] = std::to_string(v); }
    void LoadAll(CScreenSize s = {1024, 768})
    {
        CSettingsTable::Load(app, profile, s);
        CSettingsTable::LoadMainWindow(app, profile, s);
    }
};
} // namespace

TEST(SettingsTable, EmptyProfileGivesDefaults)
{
    Fixture f;
    // Disturb every field first so that the defaults must come from the read.
    f.app.Drawing().m_polarCount = 99;
    f.app.Drawing().m_jitterAmount = 99;
    f.app.Shell().m_autoSaveMinutes = 99;
    f.app.Shell().m_shapesWindow = {7, 7, 7, 7, 7, 7, 7};
    f.app.Shell().m_appWindow = {7, 7, 7, 7, 7, 7, 7};
    f.LoadAll();
    EXPECT_EQ(f.app.Drawing().m_polarCount, 5);
    EXPECT_EQ(f.app.Drawing().m_jitterAmount, 3);
    EXPECT_EQ(f.app.Drawing().m_lineDensity, 4);
    EXPECT_EQ(f.app.Drawing().m_polar, 1);
    EXPECT_EQ(f.app.Drawing().m_jitter, 1);
    EXPECT_EQ(f.app.AutoColor().m_autoHueSpeed, 5);
    EXPECT_EQ(f.app.Shell().m_autoSaveMinutes, 2);
    EXPECT_EQ(f.app.Shell().m_shapesWindow.shown, 1);
    EXPECT_EQ(f.app.Shell().m_shapesWindow.flags, 0);
    EXPECT_EQ(f.app.Shell().m_shapesWindow.x1, 10);
    EXPECT_EQ(f.app.Shell().m_shapesWindow.x2, 110);
    EXPECT_EQ(f.app.Shell().m_shapesWindow.y1, 105);
    EXPECT_EQ(f.app.Shell().m_shapesWindow.y2, 235);
    EXPECT_EQ(f.app.Shell().m_colorsWindow.y1, 250);
    EXPECT_EQ(f.app.Shell().m_undoSlider.y1, 400);
    EXPECT_EQ(f.app.Shell().m_appWindow.showCmd, 1);
    EXPECT_EQ(f.app.Shell().m_appWindow.x2, 639);
    EXPECT_EQ(f.app.Shell().m_appWindow.y2, 479);
}

TEST(SettingsTable, EightBitKeysKeepTheLowByteOnly)
{
    Fixture f;
    f.Put("LineDensity", 260);
    f.Put("JitterAmount", 0x1FF);
    f.Put("PolarCount", 260);   // a 32-bit key is taken whole
    f.LoadAll();
    EXPECT_EQ(f.app.Drawing().m_lineDensity, 4);
    EXPECT_EQ(f.app.Drawing().m_jitterAmount, 255);
    EXPECT_EQ(f.app.Drawing().m_polarCount, 260);
}

TEST(SettingsTable, ClampsBringWindowsBackOnScreen)
{
    Fixture f;
    f.Put("colorsWindowX1", 1010);
    f.Put("colorsWindowY1", 733);   // H - 35 on a 768 screen
    f.Put("shapesWindowX1", 1100);
    f.Put("shapesWindowX2", 1200);
    f.Put("undoSliderX1", 1003);    // just below W - 20: untouched
    f.Put("undoSliderY1", 800);
    f.Put("appWindowX2", 2000);
    f.Put("appWindowY2", 1024);
    f.LoadAll({1280, 1024});
    EXPECT_EQ(f.app.Shell().m_colorsWindow.x1, 1010);   // fits on a 1280 screen
    EXPECT_EQ(f.app.Shell().m_appWindow.x2, 1279);
    EXPECT_EQ(f.app.Shell().m_appWindow.y2, 1023);

    Fixture g;
    g.Put("colorsWindowX1", 1010);
    g.Put("colorsWindowY1", 733);
    g.Put("shapesWindowX1", 1100);
    g.Put("shapesWindowX2", 1200);
    g.Put("shapesWindowY1", 105);
    g.Put("undoSliderX1", 1003);
    g.Put("undoSliderY1", 800);
    g.LoadAll({1024, 768});
    EXPECT_EQ(g.app.Shell().m_colorsWindow.x1, 859);
    EXPECT_EQ(g.app.Shell().m_colorsWindow.y1, 628);
    EXPECT_EQ(g.app.Shell().m_shapesWindow.x1, 914);
    EXPECT_EQ(g.app.Shell().m_shapesWindow.x2, 1014);
    EXPECT_EQ(g.app.Shell().m_shapesWindow.y1, 105);   // vertical shift is independent
    EXPECT_EQ(g.app.Shell().m_undoSlider.x1, 1003);
    EXPECT_EQ(g.app.Shell().m_undoSlider.y1, 716);
}

TEST(SettingsTable, ShapesWindowShiftsUpKeepingItsHeight)
{
    Fixture f;
    f.Put("shapesWindowY1", 740);
    f.Put("shapesWindowY2", 900);
    f.LoadAll({1024, 768});
    EXPECT_EQ(f.app.Shell().m_shapesWindow.y2, 758);
    EXPECT_EQ(f.app.Shell().m_shapesWindow.y1, 598);
    EXPECT_EQ(f.app.Shell().m_shapesWindow.x1, 10);
}

TEST(SettingsTable, MainWindowFromALargerScreenStaysUsable)
{
    Fixture f;
    f.Put("appWindowX1", 1500);
    f.Put("appWindowX2", 2000);
    f.Put("appWindowY1", 300);
    f.Put("appWindowY2", 700);
    f.LoadAll({1280, 1024});
    EXPECT_EQ(f.app.Shell().m_appWindow.x2, 1279);
    EXPECT_EQ(f.app.Shell().m_appWindow.x1, 640);
    EXPECT_EQ(f.app.Shell().m_appWindow.y1, 300);   // a sound rectangle is left alone
    EXPECT_EQ(f.app.Shell().m_appWindow.y2, 700);

    Fixture g;
    g.Put("appWindowY1", 900);
    g.Put("appWindowY2", 950);
    g.LoadAll({800, 600});
    EXPECT_EQ(g.app.Shell().m_appWindow.y2, 599);
    EXPECT_EQ(g.app.Shell().m_appWindow.y1, 120);
    EXPECT_EQ(g.app.Shell().m_appWindow.x1, 0);
    EXPECT_EQ(g.app.Shell().m_appWindow.x2, 639);
}

TEST(SettingsTable, LoadLeavesMainWindowForLater)
{
    Fixture f;
    f.Put("appWindowX1", 50);
    CSettingsTable::Load(f.app, f.profile, {1024, 768});
    EXPECT_EQ(f.app.Shell().m_appWindow.x1, 0);
    CSettingsTable::LoadMainWindow(f.app, f.profile, {1024, 768});
    EXPECT_EQ(f.app.Shell().m_appWindow.x1, 50);
}

TEST(SettingsTable, SaveWritesEveryKeyInTableOrder)
{
    Fixture f;
    f.app.Drawing().m_lineDensity = 200;
    f.app.Shell().m_appWindow.x1 = -4;
    ASSERT_TRUE(CSettingsTable::Save(f.app, f.profile));
    std::vector<std::string> keys = CSettingsTable::KeysInOrder();
    ASSERT_EQ(keys.size(), 44u);
    ASSERT_EQ(f.profile.m_writeOrder.size(), keys.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(f.profile.m_writeOrder[i].first, "Settings");
        EXPECT_EQ(f.profile.m_writeOrder[i].second, keys[i]) << i;
    }
    EXPECT_EQ(keys.front(), "showShapesWindow");
    EXPECT_EQ(keys[17], "appWindowFlags");
    EXPECT_EQ(keys.back(), "AutoSaveMinutes");
    EXPECT_EQ(f.profile.GetInt("Settings", "LineDensity", 0), 200);   // zero-extended
    EXPECT_EQ(f.profile.GetInt("Settings", "appWindowX1", 0), -4);

    // What was written reads back the same.
    Fixture g;
    g.profile = f.profile;
    g.LoadAll();
    EXPECT_EQ(g.app.Drawing().m_lineDensity, 200);
    EXPECT_EQ(g.app.Shell().m_appWindow.x1, -4);
}

TEST(SettingsTable, NoSettingsWriteLeavesProfileUntouched)
{
    Fixture f;
    f.Put("PolarCount", 9);
    f.app.Shell().m_noSettingsWrite = 1;
    f.app.Drawing().m_polarCount = 3;
    EXPECT_FALSE(CSettingsTable::Save(f.app, f.profile));
    EXPECT_TRUE(f.profile.m_writeOrder.empty());
    EXPECT_EQ(f.profile.GetInt("Settings", "PolarCount", 0), 9);
}

TEST(SettingsTable, UndoLevelsAndPlaybackLengthAreClampedOnRead)
{
    Fixture f;
    f.LoadAll();
    EXPECT_EQ(f.app.Shell().m_undoLevels, 1);
    EXPECT_EQ(f.app.Shell().m_playbackSeconds, 10);
    for (auto [levels, seconds, wantLevels, wantSeconds] :
         {std::array{0, 0, 1, 1}, std::array{-5, -1, 1, 1}, std::array{101, 601, 100, 600}, std::array{20, 60, 20, 60}}) {
        f.Put("UndoLevels", levels);
        f.Put("PlaybackSeconds", seconds);
        f.LoadAll();
        EXPECT_EQ(f.app.Shell().m_undoLevels, wantLevels) << levels;
        EXPECT_EQ(f.app.Shell().m_playbackSeconds, wantSeconds) << seconds;
    }
}
