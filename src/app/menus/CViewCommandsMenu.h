#pragma once

struct CMenuContext;

// The drawing view's own commands wherever their menus hold them: Sample Color, Sample Shape
// and Background Color (Colors), Clear (View), Information (Image) and Tip of the Day (Help).
class CViewCommandsMenu {
public:
    static void Install(CMenuContext& ctx);
    static void Update(CMenuContext& ctx);
};
