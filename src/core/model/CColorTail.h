#pragma once
#include "core/model/CColorChange.h"
#include <cstddef>
#include <cstdint>
#include <vector>

// A drawing's colour changes from one position on, as an undo step keeps them; those below
// the position were the same before and after the step's action. UINT32_MAX: none differed.
struct CColorTail {
    uint32_t from = 0;
    std::vector<CColorChange> changes;
    size_t Bytes() const { return changes.capacity() * sizeof(CColorChange); }
};
