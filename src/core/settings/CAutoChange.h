#pragma once
#include <cstdint>

class CRandom;
class CShapeTable;
struct CAutoColorSettings;

// Modes of the automatic drift of one colour component.
enum AutoMode : uint8_t {
    kAutoOff = 0,
    kAutoUp = 1,
    kAutoDown = 2,
    kAutoUpDown = 3,
    kAutoRandom = 4,
    kAutoDownUp = 5,
};

enum class ColorComponent { Hue, Saturation, Value };

// The automatic colour change: each component's mode and speed from its settings, its step and
// (in Random mode) its target derived from the current shape's colour.
class CAutoChange {
public:
    CAutoChange(CAutoColorSettings& settings, CRandom& random, const CShapeTable& shapes)
        : m_settings(settings), m_random(random), m_shapes(shapes)
    {
    }

    // Derives a component's step (and target) from its mode. Call after the settings are loaded
    // and after every mode change.
    void Init(ColorComponent c);
    void InitAll();

    bool Any() const;
    // One automatic step of (hue, saturation, value), counted by the view's three tick counters.
    // True when any component took a step (even one that stayed at its limit).
    bool Step(uint8_t ticks[3], int& hue, int& saturation, int& value);

    // The Ctrl-held command: Off -> on (Up for hue, Up and Down for the others), on -> Off.
    void Toggle(ColorComponent c);
    // The dialog's OK: store the mode and speed and derive the step.
    void Set(ColorComponent c, int mode, int speed);
    int Mode(ColorComponent c) const;
    int Speed(ColorComponent c) const;

private:
    CAutoColorSettings& m_settings;
    CRandom& m_random;
    const CShapeTable& m_shapes;
};
