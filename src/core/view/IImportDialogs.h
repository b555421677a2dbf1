#pragma once
#include "core/settings/CImportSettings.h"
#include <string>

// The dialogs of Image > Import; the Qt program shows real ones, tests script them.
class IImportDialogs {
public:
    virtual ~IImportDialogs() = default;
    // Open-file dialog for the picture; empty when cancelled.
    virtual std::string AskImportPath() = 0;
    // "Import Image": the settings in, the chosen ones out; false when cancelled.
    virtual bool AskImportSettings(CImportSettings& settings) = 0;
};
