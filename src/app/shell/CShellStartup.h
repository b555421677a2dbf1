#pragma once
#include "core/shell/CSettingsTable.h"
#include <QStringList>
#include <functional>
#include <memory>
#include <string>

class CDaubrixApp;
class CMainFrame;
class CQtHost;
class IProfile;

// The program's start and end: shape set, settings, main frame, command line; at the end the
// settings go back to the profile.
class CShellStartup {
public:
    CShellStartup(CDaubrixApp& app, IProfile& profile, CQtHost* qtHost = nullptr);
    ~CShellStartup();

    // False ends the program (the reason was shown to the user).
    bool InitInstance(const std::string& programDir, const QStringList& files, CScreenSize screen);
    // Writes the settings back unless the run must not; returns whether it did.
    bool ExitInstance();

    CMainFrame* Frame() const { return m_frame.get(); }

    // Steps that later features fill in, run in start-up order.
    std::function<void()> m_settingsLoaded;        // e.g. the automatic colour directions
    std::function<bool()> m_loadVideoLibraries;     // false: "AVI init failed."
    std::function<void(CMainFrame&)> m_frameCreated;  // wiring of the features into the frame
    std::function<void(CMainFrame&)> m_displayCheck;  // after m_lowColor is known
    std::function<void(CMainFrame&)> m_tipOfTheDay;
    int m_screenDepth = 32;                         // bits per pixel of the screen

private:
    CDaubrixApp& m_app;
    IProfile& m_profile;
    CQtHost* m_qtHost;
    std::unique_ptr<CMainFrame> m_frame;
    bool m_settingsRead = false;
};
