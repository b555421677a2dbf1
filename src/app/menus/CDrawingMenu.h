#pragma once
#include "app/shell/CommandId.h"
#include <functional>

struct CMenuContext;

// Drawing: the drawing modes and the symmetries.
class CDrawingMenu {
public:
    static void Install(CMenuContext& ctx);
    static void Update(CMenuContext& ctx);
};

// Connects a command that changes a mode and enables it; the check marks follow at once.
void ConnectModeCommand(CMenuContext& ctx, CommandId id, std::function<void()> fn);
