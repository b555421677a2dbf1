#pragma once
#include "core/model/CGlobBuffer.h"
#include "core/shapes/CShapeTable.h"
#include "core/base/CRandom.h"
#include "core/shell/CWindowPlacement.h"
#include "core/base/IHost.h"
#include <cstdint>
#include <string>

// What all drawings share for the whole run: the shape set and current shape, the random
// generator, the glob clipboard and pattern, and every drawing-mode setting.
class CDaubrixApp {
public:
    explicit CDaubrixApp(IHost& host) : m_host(host) {}

    IHost& Host() { return m_host; }
    CShapeTable& ShapeTable() { return m_shapes; }
    CShape& CurrentShape() { return m_shapes.Current(); }

    std::string m_programDir;   // ends with '/'
    CRandom m_random;

    // Drawing and colour settings, kept between runs (defaults are the first-run values).
    // The 8-bit ones are held as uint8_t: the stored value is truncated to its low byte.
    int32_t m_skipMultiplier = 1;
    int32_t m_skippingAmount = 1;
    int32_t m_skipping = 0;
    int32_t m_lineMode = 0;
    uint8_t m_lineDensity = 4;
    int32_t m_polar = 1;
    int32_t m_polarCount = 5;
    int32_t m_mirrorBoth = 0;
    int32_t m_mirrorHorizontal = 0;
    int32_t m_mirrorVertical = 0;
    int32_t m_jitter = 1;
    uint8_t m_jitterAmount = 3;
    uint8_t m_autoSat = 0;
    uint8_t m_autoSatSpeed = 5;
    uint8_t m_autoVal = 0;
    uint8_t m_autoValSpeed = 5;
    uint8_t m_autoHue = 0;
    uint8_t m_autoHueSpeed = 5;

    // Drawing modes and automatic colour change: what is derived from the settings, and the
    // one-shot modes. Steps and targets are set by InitAutoHue and its twins.
    int32_t m_hueStep = 5;
    int32_t m_saturationStep = 10;
    int32_t m_valueStep = 10;
    int32_t m_hueTarget = 0;
    int32_t m_saturationTarget = 0;
    int32_t m_valueTarget = 0;
    bool m_moveCenterMode = false;
    int32_t m_savedLineMode = 0;
    bool m_patternMode = false;
    bool m_sampleColorMode = false;
    bool m_sampleShapeMode = false;

    // Glob clipboard and pattern.
    CGlobBuffer m_clipboard;
    CGlobBuffer m_pattern;

    // Image files and background image: dialog choices kept until the program ends.
    int32_t m_jpegQuality = 16;      // JPEG settings slider 1..20; the encoder gets 5 times it
    int32_t m_backgroundFit = 0;
    int32_t m_backgroundSquash = 0;
    int32_t m_lowColor = 0;          // display of 256 colours or fewer: BMP only, no background

    // Set when the program is re-activated; the next paint copies the whole drawing.
    bool m_blitAllOnActivate = false;

    // Application shell: window placements, start-up flags, New Drawing choices.
    // Placement copies are read at start-up, updated by the frames when they close and
    // written back at exit with the other settings.
    CWindowPlacement m_shapesWindow{1, 0, 1, 10, 110, 105, 235};
    CWindowPlacement m_colorsWindow{1, 0, 1, 10, 0, 250, 0};
    CWindowPlacement m_undoSlider{1, 0, 1, 10, 0, 400, 0};
    CWindowPlacement m_appWindow{1, 0, 1, 0, 639, 0, 479};
    int32_t m_noSettingsWrite = 0;
    int32_t m_newLockAspect = 0;
    int32_t m_newWidth = 400;
    int32_t m_newHeight = 400;

private:
    IHost& m_host;
    CShapeTable m_shapes;
};
