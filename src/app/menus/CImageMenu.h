#pragma once

struct CMenuContext;

// Image: saving the image and the background image.
class CImageMenu {
public:
    static void Install(CMenuContext& ctx);
    static void Update(CMenuContext& ctx);
};
