#pragma once

struct CMenuContext;

// Edit: undo and redo, the glob clipboard and Define Pattern.
class CEditMenu {
public:
    static void Install(CMenuContext& ctx);
    static void Update(CMenuContext& ctx);
};
