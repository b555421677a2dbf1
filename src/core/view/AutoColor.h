#pragma once
#include <cstdint>

class CDaubrixApp;

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

// Derive a component's step (and in Random mode its target) from its mode and the current
// shape's colour. Call after the settings are loaded and after every mode change.
void InitAutoHue(CDaubrixApp& app);
void InitAutoSaturation(CDaubrixApp& app);
void InitAutoValue(CDaubrixApp& app);
void InitAutoColors(CDaubrixApp& app);

bool AnyAutoColor(const CDaubrixApp& app);

// One automatic step of (hue, saturation, value), counted by the view's three tick counters.
// True when any component took a step (even one that stayed at its limit).
bool StepAutoColor(CDaubrixApp& app, uint8_t ticks[3], int& hue, int& saturation, int& value);

// The Ctrl-held command: Off -> on (Up for hue, Up and Down for the others), on -> Off.
void ToggleAutoColor(CDaubrixApp& app, ColorComponent c);
// The dialog's OK: store the mode and speed and derive the step.
void SetAutoColor(CDaubrixApp& app, ColorComponent c, int mode, int speed);
int AutoColorMode(const CDaubrixApp& app, ColorComponent c);
int AutoColorSpeed(const CDaubrixApp& app, ColorComponent c);
