#pragma once
#include "core/base/IProfile.h"
#include <string>
#include <vector>

class CDaubrixApp;

// Screen size in pixels at the moment the settings are read; the clamps depend on it.
struct CScreenSize {
    int width = 1024;
    int height = 768;
};

// The "Settings" section: every key with its default, in the order it is written at exit.
// All values are stored as 32-bit integers; 8-bit fields keep only the low byte of what is read.
class CSettingsTable {
public:
    static constexpr const char* kSection = "Settings";

    // Reads every key except the main window's six and applies the tool-window clamps.
    static void Load(CDaubrixApp& app, IProfile& profile, CScreenSize screen);
    // Reads the main window's placement keys (read later, when the frame exists).
    static void LoadMainWindow(CDaubrixApp& app, IProfile& profile, CScreenSize screen);
    // Writes every key in table order, unless the run asked for no settings write.
    // Returns false when nothing was written for that reason.
    static bool Save(CDaubrixApp& app, IProfile& profile);

    static std::vector<std::string> KeysInOrder();
};
