#include "core/view/AutoColor.h"
#include "core/shell/CDaubrixApp.h"

namespace {
// One component seen generically: its settings, its derived state and its limits.
struct Channel {
    uint8_t& mode;
    uint8_t& speed;
    int32_t& step;
    int32_t& target;
    int shapeValue;   // the current shape's component before this step
    int top;          // 360 for hue, 255 otherwise
    int unit;         // 5 for hue, 10 otherwise
    int modulo;       // 360 for hue, 255 otherwise
};

Channel ChannelOf(CDaubrixApp& app, ColorComponent c)
{
    const CShape* shape = app.ShapeTable().Count() > 0 ? &app.CurrentShape() : nullptr;
    switch (c) {
    case ColorComponent::Hue:
        return {app.AutoColor().m_autoHue, app.AutoColor().m_autoHueSpeed, app.AutoColor().m_hueStep, app.AutoColor().m_hueTarget,
                shape ? shape->m_hue : 0, 360, 5, 360};
    case ColorComponent::Saturation:
        return {app.AutoColor().m_autoSat, app.AutoColor().m_autoSatSpeed, app.AutoColor().m_saturationStep, app.AutoColor().m_saturationTarget,
                shape ? shape->m_saturation : 0, 255, 10, 255};
    case ColorComponent::Value:
    default:
        return {app.AutoColor().m_autoVal, app.AutoColor().m_autoValSpeed, app.AutoColor().m_valueStep, app.AutoColor().m_valueTarget,
                shape ? shape->m_value : 0, 255, 10, 255};
    }
}

void DrawTarget(Channel& ch, CRandom& random)
{
    ch.target = random.Next() % ch.modulo;
    ch.step = ch.target > ch.shapeValue ? ch.unit : -ch.unit;
}

void Init(CDaubrixApp& app, ColorComponent c)
{
    Channel ch = ChannelOf(app, c);
    switch (ch.mode) {
    case kAutoUp:
    case kAutoUpDown:
        ch.step = ch.unit;
        break;
    case kAutoDown:
    case kAutoDownUp:
        ch.step = -ch.unit;
        break;
    case kAutoRandom:
        DrawTarget(ch, app.Random());
        break;
    default:
        break;
    }
}

bool IsActive(int mode)
{
    // A mode read back from the settings outside the known ones is treated as Off: stepping
    // it would drift without any limit.
    return mode >= kAutoUp && mode <= kAutoDownUp;
}

void Step(Channel& ch, CRandom& random, int& v)
{
    v += ch.step;
    const bool wraps = ch.top == 360;
    switch (ch.mode) {
    case kAutoUp:
        if (v > ch.top)
            v = wraps ? 0 : ch.top;
        break;
    case kAutoDown:
        if (v < 0)
            v = wraps ? ch.top : 0;
        break;
    case kAutoUpDown:
    case kAutoDownUp:
        if (v > ch.top) {
            v = ch.top;
            ch.step = -ch.step;
        } else if (v < 0) {
            v = 0;
            ch.step = -ch.step;
        }
        break;
    case kAutoRandom:
        if ((ch.step > 0 && v >= ch.target) || (ch.step < 0 && v <= ch.target)) {
            v = ch.target;
            DrawTarget(ch, random);
        }
        break;
    default:
        break;
    }
}
} // namespace

void InitAutoHue(CDaubrixApp& app) { Init(app, ColorComponent::Hue); }
void InitAutoSaturation(CDaubrixApp& app) { Init(app, ColorComponent::Saturation); }
void InitAutoValue(CDaubrixApp& app) { Init(app, ColorComponent::Value); }

void InitAutoColors(CDaubrixApp& app)
{
    InitAutoHue(app);
    InitAutoSaturation(app);
    InitAutoValue(app);
}

bool AnyAutoColor(const CDaubrixApp& app)
{
    return app.AutoColor().m_autoHue != kAutoOff || app.AutoColor().m_autoSat != kAutoOff || app.AutoColor().m_autoVal != kAutoOff;
}

bool StepAutoColor(CDaubrixApp& app, uint8_t ticks[3], int& hue, int& saturation, int& value)
{
    for (int i = 0; i < 3; ++i)
        ++ticks[i];
    int* fields[3] = {&hue, &saturation, &value};
    const ColorComponent order[3] = {ColorComponent::Hue, ColorComponent::Saturation, ColorComponent::Value};
    bool changed = false;
    for (int i = 0; i < 3; ++i) {
        Channel ch = ChannelOf(app, order[i]);
        if (!IsActive(ch.mode) || ticks[i] <= 5 * (11 - ch.speed))
            continue;
        ticks[i] = 0;
        changed = true;
        Step(ch, app.Random(), *fields[i]);
    }
    return changed;
}

void ToggleAutoColor(CDaubrixApp& app, ColorComponent c)
{
    Channel ch = ChannelOf(app, c);
    if (ch.mode != kAutoOff) {
        ch.mode = kAutoOff;
        return;
    }
    ch.mode = c == ColorComponent::Hue ? kAutoUp : kAutoUpDown;
    Init(app, c);
}

void SetAutoColor(CDaubrixApp& app, ColorComponent c, int mode, int speed)
{
    Channel ch = ChannelOf(app, c);
    ch.mode = static_cast<uint8_t>(mode);
    ch.speed = static_cast<uint8_t>(speed < 1 ? 1 : speed > 10 ? 10 : speed);
    Init(app, c);
}

int AutoColorMode(const CDaubrixApp& app, ColorComponent c)
{
    return c == ColorComponent::Hue ? app.AutoColor().m_autoHue : c == ColorComponent::Saturation ? app.AutoColor().m_autoSat : app.AutoColor().m_autoVal;
}

int AutoColorSpeed(const CDaubrixApp& app, ColorComponent c)
{
    return c == ColorComponent::Hue ? app.AutoColor().m_autoHueSpeed
        : c == ColorComponent::Saturation ? app.AutoColor().m_autoSatSpeed : app.AutoColor().m_autoValSpeed;
}
