#pragma once
#include <cstdint>

// The Import Image dialog's choices, kept until the program ends (never stored).
struct CImportSettings {
    int32_t m_importRemoveBackground = 1;   // skip grid points showing the picture's background
    int32_t m_importOrderFromImage = 1;     // darkest first instead of row by row
    int32_t m_importPreserveColors = 1;     // the picture's colours instead of the current one
    int32_t m_importGlobCount = 5;          // "Number of globs" 1 (fewer) .. 10 (more)
    int32_t m_importColorCount = 5;         // colours 1 (fewer) .. 10 (more)
    int32_t m_importFit = 0;                // "Fit drawing"
    int32_t m_importSquash = 0;             // "Squash/Stretch"; neither flag means "Normal"
};
