#pragma once

struct CMenuContext;

// Help: the help text, What's This and the About box.
class CHelpMenu {
public:
    static void Install(CMenuContext& ctx);
};
