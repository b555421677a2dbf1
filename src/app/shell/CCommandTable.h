#pragma once
#include "app/shell/CommandId.h"

// Fixed facts of one command: its number, menu text (with "\t" and the key shown), the keys that
// invoke it, and its status text ("long text\ntooltip").
struct CommandInfo {
    CommandId id;
    int number;
    const char* text;
    const char* keys;     // QKeySequence strings separated by ';', may be empty
    const char* status;
    bool checkable;
};

class CCommandTable {
public:
    static const CommandInfo& Info(CommandId id);
    static int Count() { return static_cast<int>(CommandId::Count); }
};
