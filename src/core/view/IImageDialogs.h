#pragma once
#include "core/imaging/BackgroundImage.h"
#include <string>

// The dialogs the image commands need; the Qt program shows real ones, tests script them.
class IImageDialogs {
public:
    virtual ~IImageDialogs() = default;
    // Save-file dialog for Save Image; empty when cancelled. lowColor offers BMP only.
    virtual std::string AskSaveImagePath(bool lowColor) = 0;
    // "JPEG settings": position 1..20 in, the chosen one out; false when cancelled.
    virtual bool AskJpegQuality(int& position) = 0;
    // Open-file dialog for the background picture; empty when cancelled.
    virtual std::string AskBackgroundPath() = 0;
    // "Load Background Image": the sizing in, the chosen one out; false when cancelled.
    virtual bool AskBackgroundSizing(BackgroundSizing& sizing) = 0;
};
