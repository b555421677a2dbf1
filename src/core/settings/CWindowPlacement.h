#pragma once
#include <cstdint>

// Where a window stands between runs. Edges are in screen pixels; the fixed-size tool windows
// only use the top-left corner. showCmd: 1 normal, 2 minimized, 3 maximized.
struct CWindowPlacement {
    static constexpr int32_t kShowNormal = 1;
    static constexpr int32_t kShowMinimized = 2;
    static constexpr int32_t kShowMaximized = 3;

    int32_t shown = 1;
    int32_t flags = 0;
    int32_t showCmd = kShowNormal;
    int32_t x1 = 0;
    int32_t x2 = 0;
    int32_t y1 = 0;
    int32_t y2 = 0;
};
