#pragma once
#include "core/imaging/CImage32.h"
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

// One kept grid point of an imported picture: its place in the picture and the average colour
// of the window around it (hue 0..359, saturation and value 0..255; all 0 when not wanted).
// Kept small and trivial: a large picture gives millions of them, stored without clearing.
struct ImportSample {
    int32_t x;
    int32_t y;
    int16_t hue;
    uint8_t saturation;
    uint8_t value;
    bool operator==(const ImportSample&) const = default;
};

// Grid step from the shape's size digit ('0' Small, '1' Medium, anything else Large) and the
// "Number of globs" slider 1..10; never below 2.
int ImportGridStep(char sizeDigit, int globCount);

// What the sampling needs besides the picture.
struct ImportGrid {
    int drawingWidth = 0;
    int drawingHeight = 0;
    int step = 2;                   // t
    bool removeBackground = true;   // skip points whose window shows pixel (0, 0) a quarter or more
    bool wantColour = true;         // average the window's colour into the sample
};

// Offset that centres a picture side on a drawing side: a picture point p lies at drawing
// point p - offset.
inline int ImportOffset(int pictureSize, int drawingSize)
{
    return pictureSize / 2 - drawingSize / 2;
}

struct ImportSampling {
    bool cancelled = false;
    bool outOfMemory = false;       // some samples could not be kept
};

// Lays the staggered grid over the picture and keeps one sample per point whose drawing
// position lies within one step of the drawing, in grid order: each row's samples go to take,
// which returns false when it could not keep them all. rowDone is told the progress (0..50)
// after every row and returns false to cancel.
ImportSampling SampleImportRows(const CImage32& picture, const ImportGrid& grid,
                                const std::function<bool(std::span<const ImportSample>)>& take,
                                const std::function<bool(int percent)>& rowDone);

// All samples into out; emptied when cancelled.
ImportSampling CollectImportSamples(const CImage32& picture, const ImportGrid& grid, std::vector<ImportSample>& out,
                                    const std::function<bool(int percent)>& rowDone);

// Darkest first; samples of equal value keep their grid order, so a picture always gives the
// same drawing.
void OrderByBrightness(std::vector<ImportSample>& samples);
