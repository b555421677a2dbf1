#pragma once
#include "core/imaging/CImage32.h"

// The picture made smaller to fit a box × box square, its aspect kept: every new pixel is the
// average of the source area it covers, so fine detail blends instead of flickering away. A
// picture that already fits is returned as it is (never enlarged); box must be 1 or more.
CImage32 ScaleDownToFit(const CImage32& source, int box);
