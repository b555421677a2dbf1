#pragma once

struct CMenuContext;

// File: new, open, close, save, the recent files and exit.
class CFileMenu {
public:
    static void Install(CMenuContext& ctx);
    static void Update(CMenuContext& ctx);
};
