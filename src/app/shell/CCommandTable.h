#pragma once
#include "app/shell/CommandId.h"

// Fixed facts of one command, from its row in CommandList.def.
struct CommandInfo {
    CommandId id;
    int number;
    const char* text;
    const char* keys;     // QKeySequence strings separated by ';', may be empty
    const char* status;
    bool checkable;
    const char* menu;       // the title of the menu it stands in; nullptr for none (a key only)
    bool separatorBefore;   // a line above it in its menu
};

class CCommandTable {
public:
    static const CommandInfo& Info(CommandId id);
    static int Count() { return static_cast<int>(CommandId::Count); }
};
