#include "core/shell/CSettingsTable.h"
#include "core/base/CQuietHost.h"
#include "core/model/CUndoState.h"
#include "core/shell/CDaubrixApp.h"
#include <algorithm>
#include <cstdint>

namespace {

struct Entry {
    const char* key;
    bool mainWindow;
    // Exactly one of these is set: 32-bit field or 8-bit field.
    int32_t& (*i32)(CDaubrixApp&);
    uint8_t& (*u8)(CDaubrixApp&);
};

#define I32(key, expr) {key, false, [](CDaubrixApp& a) -> int32_t& { return a.expr; }, nullptr}
#define WIN(key, expr) {key, true, [](CDaubrixApp& a) -> int32_t& { return a.expr; }, nullptr}
#define U8(key, expr) {key, false, nullptr, [](CDaubrixApp& a) -> uint8_t& { return a.expr; }}

const Entry kTable[] = {
    I32("showShapesWindow", Shell().m_shapesWindow.shown),
    I32("shapesWindowFlags", Shell().m_shapesWindow.flags),
    I32("shapesWindowShowCmd", Shell().m_shapesWindow.showCmd),
    I32("shapesWindowX1", Shell().m_shapesWindow.x1),
    I32("shapesWindowX2", Shell().m_shapesWindow.x2),
    I32("shapesWindowY1", Shell().m_shapesWindow.y1),
    I32("shapesWindowY2", Shell().m_shapesWindow.y2),
    I32("showColorsWindow", Shell().m_colorsWindow.shown),
    I32("colorsWindowFlags", Shell().m_colorsWindow.flags),
    I32("colorsWindowShowCmd", Shell().m_colorsWindow.showCmd),
    I32("colorsWindowX1", Shell().m_colorsWindow.x1),
    I32("colorsWindowY1", Shell().m_colorsWindow.y1),
    I32("showUndoSlider", Shell().m_undoSlider.shown),
    I32("undoSliderFlags", Shell().m_undoSlider.flags),
    I32("undoSliderShowCmd", Shell().m_undoSlider.showCmd),
    I32("undoSliderX1", Shell().m_undoSlider.x1),
    I32("undoSliderY1", Shell().m_undoSlider.y1),
    WIN("appWindowFlags", Shell().m_appWindow.flags),
    WIN("appWindowShowCmd", Shell().m_appWindow.showCmd),
    WIN("appWindowX1", Shell().m_appWindow.x1),
    WIN("appWindowX2", Shell().m_appWindow.x2),
    WIN("appWindowY1", Shell().m_appWindow.y1),
    WIN("appWindowY2", Shell().m_appWindow.y2),
    I32("SkipMultiplier", Drawing().m_skipMultiplier),
    I32("SkippingAmount", Drawing().m_skippingAmount),
    I32("Skipping", Drawing().m_skipping),
    I32("LineMode", Drawing().m_lineMode),
    U8("LineDensity", Drawing().m_lineDensity),
    I32("Polar", Drawing().m_polar),
    I32("PolarCount", Drawing().m_polarCount),
    I32("MirrorBoth", Drawing().m_mirrorBoth),
    I32("MirrorHorizontal", Drawing().m_mirrorHorizontal),
    I32("MirrorVertical", Drawing().m_mirrorVertical),
    I32("Jitter", Drawing().m_jitter),
    U8("JitterAmount", Drawing().m_jitterAmount),
    U8("AutoSat", AutoColor().m_autoSat),
    U8("AutoSatSpeed", AutoColor().m_autoSatSpeed),
    U8("AutoVal", AutoColor().m_autoVal),
    U8("AutoValSpeed", AutoColor().m_autoValSpeed),
    U8("AutoHue", AutoColor().m_autoHue),
    U8("AutoHueSpeed", AutoColor().m_autoHueSpeed),
    I32("UndoLevels", Shell().m_undoLevels),
    I32("PlaybackSeconds", Shell().m_playbackSeconds),
    I32("AutoSaveMinutes", Shell().m_autoSaveMinutes),
};

#undef I32
#undef WIN
#undef U8

int32_t Value(const Entry& e, CDaubrixApp& app)
{
    return e.u8 ? static_cast<int32_t>(e.u8(app)) : e.i32(app);
}

// The defaults are the groups' own initial values, so they are written in one place.
int32_t Default(const Entry& e)
{
    static CQuietHost host;
    static CDaubrixApp defaults(host);
    return Value(e, defaults);
}

void Read(const Entry& e, CDaubrixApp& app, IProfile& profile)
{
    int32_t v = profile.GetInt(CSettingsTable::kSection, e.key, Default(e));
    if (e.u8)
        e.u8(app) = static_cast<uint8_t>(v & 0xFF);
    else
        e.i32(app) = v;
}

// Moves a window that would open (almost) off the right or bottom edge back on screen.
void ClampCorner(int32_t& x, int32_t& y, CScreenSize s, int newX, int newY)
{
    if (x >= s.width - 20)
        x = newX;
    if (y >= s.height - 35)
        y = newY;
}

} // namespace

void CSettingsTable::Load(CDaubrixApp& app, IProfile& profile, CScreenSize screen)
{
    for (const Entry& e : kTable)
        if (!e.mainWindow)
            Read(e, app, profile);

    // The resizable Shapes window keeps its size and is shifted as a whole.
    CWindowPlacement& sh = app.Shell().m_shapesWindow;
    if (sh.x1 >= screen.width - 5) {
        int32_t d = sh.x2 - screen.width + 10;
        sh.x1 -= d;
        sh.x2 -= d;
    }
    if (sh.y1 >= screen.height - 35) {
        int32_t d = sh.y2 - screen.height + 10;
        sh.y1 -= d;
        sh.y2 -= d;
    }
    CShellSettings& shell = app.Shell();
    shell.m_undoLevels = std::clamp(shell.m_undoLevels, 1, CUndoState::kMaxLevels);
    shell.m_playbackSeconds = std::clamp(shell.m_playbackSeconds, 1, CShellSettings::kMaxPlaybackSeconds);
    ClampCorner(app.Shell().m_colorsWindow.x1, app.Shell().m_colorsWindow.y1, screen, screen.width - 165, screen.height - 140);
    ClampCorner(app.Shell().m_undoSlider.x1, app.Shell().m_undoSlider.y1, screen, screen.width - 250, screen.height - 52);
}

void CSettingsTable::LoadMainWindow(CDaubrixApp& app, IProfile& profile, CScreenSize screen)
{
    for (const Entry& e : kTable)
        if (e.mainWindow)
            Read(e, app, profile);
    CWindowPlacement& w = app.Shell().m_appWindow;
    if (w.x2 >= screen.width)
        w.x2 = screen.width - 1;
    if (w.y2 >= screen.height)
        w.y2 = screen.height - 1;
    // A window left on a larger screen can end up with its left or top edge past the clamped
    // right or bottom one; it would open inverted or off screen, so it gets the default size
    // ending at that edge instead.
    if (w.x1 >= w.x2)
        w.x1 = std::max(0, w.x2 - 639);
    if (w.y1 >= w.y2)
        w.y1 = std::max(0, w.y2 - 479);
}

bool CSettingsTable::Save(CDaubrixApp& app, IProfile& profile)
{
    if (app.Shell().m_noSettingsWrite)
        return false;
    for (const Entry& e : kTable)
        profile.SetInt(kSection, e.key, Value(e, app));
    return true;
}

std::vector<std::string> CSettingsTable::KeysInOrder()
{
    std::vector<std::string> keys;
    for (const Entry& e : kTable)
        keys.emplace_back(e.key);
    return keys;
}
