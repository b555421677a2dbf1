#pragma once
#include "core/colour/HsvColor.h"

// Colours that glasses of the ChromaDepth kind show at different depths: entry 0 is nearest
// (red), entry 24 deepest (blue).
constexpr int kChromaDepthEntries = 25;
HsvColor ChromaDepthColor(int index);
