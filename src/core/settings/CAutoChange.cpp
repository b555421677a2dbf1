#include "core/settings/CAutoChange.h"
#include "core/base/CRandom.h"
#include "core/settings/CAutoColorSettings.h"
#include "core/shapes/CShapeTable.h"

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

Channel ChannelOf(CAutoColorSettings& a, const CShapeTable& shapes, ColorComponent c)
{
    const CShape* shape = shapes.Count() > 0 ? &shapes.Current() : nullptr;
    switch (c) {
    case ColorComponent::Hue:
        return {a.m_autoHue, a.m_autoHueSpeed, a.m_hueStep, a.m_hueTarget,
                shape ? shape->m_hue : 0, 360, 5, 360};
    case ColorComponent::Saturation:
        return {a.m_autoSat, a.m_autoSatSpeed, a.m_saturationStep, a.m_saturationTarget,
                shape ? shape->m_saturation : 0, 255, 10, 255};
    case ColorComponent::Value:
    default:
        return {a.m_autoVal, a.m_autoValSpeed, a.m_valueStep, a.m_valueTarget,
                shape ? shape->m_value : 0, 255, 10, 255};
    }
}

void DrawTarget(Channel& ch, CRandom& random)
{
    ch.target = random.Next() % ch.modulo;
    ch.step = ch.target > ch.shapeValue ? ch.unit : -ch.unit;
}

void InitChannel(Channel ch, CRandom& random)
{
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
        DrawTarget(ch, random);
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

void StepChannel(Channel& ch, CRandom& random, int& v)
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

void CAutoChange::Init(ColorComponent c)
{
    InitChannel(ChannelOf(m_settings, m_shapes, c), m_random);
}

void CAutoChange::InitAll()
{
    Init(ColorComponent::Hue);
    Init(ColorComponent::Saturation);
    Init(ColorComponent::Value);
}

bool CAutoChange::Any() const
{
    return m_settings.m_autoHue != kAutoOff || m_settings.m_autoSat != kAutoOff || m_settings.m_autoVal != kAutoOff;
}

bool CAutoChange::Step(uint8_t ticks[3], int& hue, int& saturation, int& value)
{
    for (int i = 0; i < 3; ++i)
        ++ticks[i];
    int* fields[3] = {&hue, &saturation, &value};
    const ColorComponent order[3] = {ColorComponent::Hue, ColorComponent::Saturation, ColorComponent::Value};
    bool changed = false;
    for (int i = 0; i < 3; ++i) {
        Channel ch = ChannelOf(m_settings, m_shapes, order[i]);
        if (!IsActive(ch.mode) || ticks[i] <= 5 * (11 - ch.speed))
            continue;
        ticks[i] = 0;
        changed = true;
        StepChannel(ch, m_random, *fields[i]);
    }
    return changed;
}

void CAutoChange::Toggle(ColorComponent c)
{
    Channel ch = ChannelOf(m_settings, m_shapes, c);
    if (ch.mode != kAutoOff) {
        ch.mode = kAutoOff;
        return;
    }
    ch.mode = c == ColorComponent::Hue ? kAutoUp : kAutoUpDown;
    Init(c);
}

void CAutoChange::Set(ColorComponent c, int mode, int speed)
{
    Channel ch = ChannelOf(m_settings, m_shapes, c);
    ch.mode = static_cast<uint8_t>(mode);
    ch.speed = static_cast<uint8_t>(speed < 1 ? 1 : speed > 10 ? 10 : speed);
    Init(c);
}

int CAutoChange::Mode(ColorComponent c) const
{
    return c == ColorComponent::Hue ? m_settings.m_autoHue : c == ColorComponent::Saturation ? m_settings.m_autoSat : m_settings.m_autoVal;
}

int CAutoChange::Speed(ColorComponent c) const
{
    return c == ColorComponent::Hue ? m_settings.m_autoHueSpeed
        : c == ColorComponent::Saturation ? m_settings.m_autoSatSpeed : m_settings.m_autoValSpeed;
}
