#pragma once

struct CMenuContext;

// Edit: undo and redo.
class CEditMenu {
public:
    static void Install(CMenuContext& ctx);
    static void Update(CMenuContext& ctx);
};
