#pragma once

struct CMenuContext;

// Image: saving the image, importing a picture as globs and the background image.
class CImageMenu {
public:
    static void Install(CMenuContext& ctx);
    static void Update(CMenuContext& ctx);
};
