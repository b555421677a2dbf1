#include "core/shell/CSettingsTable.h"
#include "core/shell/CDaubrixApp.h"
#include <algorithm>
#include <cstdint>

namespace {

struct Entry {
    const char* key;
    int32_t def;
    bool mainWindow;
    // Exactly one of these is set: 32-bit field or 8-bit field.
    int32_t& (*i32)(CDaubrixApp&);
    uint8_t& (*u8)(CDaubrixApp&);
};

#define I32(key, def, expr) {key, def, false, [](CDaubrixApp& a) -> int32_t& { return a.expr; }, nullptr}
#define WIN(key, def, expr) {key, def, true, [](CDaubrixApp& a) -> int32_t& { return a.expr; }, nullptr}
#define U8(key, def, expr) {key, def, false, nullptr, [](CDaubrixApp& a) -> uint8_t& { return a.expr; }}

const Entry kTable[] = {
    I32("showShapesWindow", 1, m_shell.m_shapesWindow.shown),
    I32("shapesWindowFlags", 0, m_shell.m_shapesWindow.flags),
    I32("shapesWindowShowCmd", 1, m_shell.m_shapesWindow.showCmd),
    I32("shapesWindowX1", 10, m_shell.m_shapesWindow.x1),
    I32("shapesWindowX2", 110, m_shell.m_shapesWindow.x2),
    I32("shapesWindowY1", 105, m_shell.m_shapesWindow.y1),
    I32("shapesWindowY2", 235, m_shell.m_shapesWindow.y2),
    I32("showColorsWindow", 1, m_shell.m_colorsWindow.shown),
    I32("colorsWindowFlags", 0, m_shell.m_colorsWindow.flags),
    I32("colorsWindowShowCmd", 1, m_shell.m_colorsWindow.showCmd),
    I32("colorsWindowX1", 10, m_shell.m_colorsWindow.x1),
    I32("colorsWindowY1", 250, m_shell.m_colorsWindow.y1),
    I32("showUndoSlider", 1, m_shell.m_undoSlider.shown),
    I32("undoSliderFlags", 0, m_shell.m_undoSlider.flags),
    I32("undoSliderShowCmd", 1, m_shell.m_undoSlider.showCmd),
    I32("undoSliderX1", 10, m_shell.m_undoSlider.x1),
    I32("undoSliderY1", 400, m_shell.m_undoSlider.y1),
    WIN("appWindowFlags", 0, m_shell.m_appWindow.flags),
    WIN("appWindowShowCmd", 1, m_shell.m_appWindow.showCmd),
    WIN("appWindowX1", 0, m_shell.m_appWindow.x1),
    WIN("appWindowX2", 639, m_shell.m_appWindow.x2),
    WIN("appWindowY1", 0, m_shell.m_appWindow.y1),
    WIN("appWindowY2", 479, m_shell.m_appWindow.y2),
    I32("SkipMultiplier", 1, m_drawing.m_skipMultiplier),
    I32("SkippingAmount", 1, m_drawing.m_skippingAmount),
    I32("Skipping", 0, m_drawing.m_skipping),
    I32("LineMode", 0, m_drawing.m_lineMode),
    U8("LineDensity", 4, m_drawing.m_lineDensity),
    I32("Polar", 1, m_drawing.m_polar),
    I32("PolarCount", 5, m_drawing.m_polarCount),
    I32("MirrorBoth", 0, m_drawing.m_mirrorBoth),
    I32("MirrorHorizontal", 0, m_drawing.m_mirrorHorizontal),
    I32("MirrorVertical", 0, m_drawing.m_mirrorVertical),
    I32("Jitter", 1, m_drawing.m_jitter),
    U8("JitterAmount", 3, m_drawing.m_jitterAmount),
    U8("AutoSat", 0, m_autoColor.m_autoSat),
    U8("AutoSatSpeed", 5, m_autoColor.m_autoSatSpeed),
    U8("AutoVal", 0, m_autoColor.m_autoVal),
    U8("AutoValSpeed", 5, m_autoColor.m_autoValSpeed),
    U8("AutoHue", 0, m_autoColor.m_autoHue),
    U8("AutoHueSpeed", 5, m_autoColor.m_autoHueSpeed),
    I32("AutoSaveMinutes", 2, m_shell.m_autoSaveMinutes),
};

#undef I32
#undef WIN
#undef U8

void Read(const Entry& e, CDaubrixApp& app, IProfile& profile)
{
    int32_t v = profile.GetInt(CSettingsTable::kSection, e.key, e.def);
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
    CWindowPlacement& sh = app.m_shell.m_shapesWindow;
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
    ClampCorner(app.m_shell.m_colorsWindow.x1, app.m_shell.m_colorsWindow.y1, screen, screen.width - 165, screen.height - 140);
    ClampCorner(app.m_shell.m_undoSlider.x1, app.m_shell.m_undoSlider.y1, screen, screen.width - 250, screen.height - 52);
}

void CSettingsTable::LoadMainWindow(CDaubrixApp& app, IProfile& profile, CScreenSize screen)
{
    for (const Entry& e : kTable)
        if (e.mainWindow)
            Read(e, app, profile);
    CWindowPlacement& w = app.m_shell.m_appWindow;
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
    if (app.m_shell.m_noSettingsWrite)
        return false;
    for (const Entry& e : kTable)
        profile.SetInt(kSection, e.key, e.u8 ? static_cast<int32_t>(e.u8(app)) : e.i32(app));
    return true;
}

std::vector<std::string> CSettingsTable::KeysInOrder()
{
    std::vector<std::string> keys;
    for (const Entry& e : kTable)
        keys.emplace_back(e.key);
    return keys;
}
