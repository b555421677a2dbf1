#pragma once

// Every command of the menu bar and the toolbars. The main frame makes one QAction per id;
// features connect to CMainFrame::Action(id).
enum class CommandId {
#define DAUBRIX_COMMAND(id, ...) id,
#include "app/shell/CommandList.def"
#undef DAUBRIX_COMMAND
    Count
};
