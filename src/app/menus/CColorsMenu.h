#pragma once

struct CMenuContext;

// Colors: the automatic colour changes and Simulate Depth.
class CColorsMenu {
public:
    static void Install(CMenuContext& ctx);
    static void Update(CMenuContext& ctx);
};
