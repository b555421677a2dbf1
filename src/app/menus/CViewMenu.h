#pragma once

struct CMenuContext;

// View: the bars, the tool windows, full screen, the drawing centre and regeneration.
class CViewMenu {
public:
    static void Install(CMenuContext& ctx);
    static void Update(CMenuContext& ctx);
};
