#pragma once
#include "core/model/CColorChange.h"
#include "core/model/CGlob.h"
#include <vector>

// A run of globs with the colour changes that colour it, positions relative to the first glob,
// and the drawing centre it was taken around (the glob clipboard and the pattern).
struct CGlobBuffer {
    std::vector<CGlob> m_globs;
    std::vector<CColorChange> m_colorChanges;
    int m_refX = 0;
    int m_refY = 0;

    bool IsEmpty() const { return m_globs.empty(); }
};
