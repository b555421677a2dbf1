#pragma once

struct CMenuContext;

// Window: arranging the drawing windows and the list of them.
class CWindowMenu {
public:
    static void Install(CMenuContext& ctx);
    static void Update(CMenuContext& ctx);
};
