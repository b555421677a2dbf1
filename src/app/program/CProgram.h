#pragma once
#include "app/shell/CQtHost.h"
#include "app/shell/CShellStartup.h"
#include "core/shell/CDaubrixApp.h"
#include <QStringList>
#include <string>

class CAutoSaver;
class CFeatureWiring;
class IProfile;

// One run of the program between QApplication and its event loop: the start-up with every
// feature wired into the main frame, and the shutdown that writes the settings back.
class CProgram {
public:
    explicit CProgram(IProfile& profile);
    ~CProgram();

    // The start-up sequence; files are the command line's file arguments. False ends the run.
    bool Start(const std::string& programDir, const QStringList& files, CScreenSize screen, int screenDepth);
    // Closes what is left and writes the settings (unless the run must not). What could not
    // be written during the run is told here, once.
    bool Finish();

    CDaubrixApp& App() { return m_app; }
    CMainFrame* Frame() const { return m_startup.Frame(); }
    CFeatureWiring* Wiring() const { return m_wiring; }
    CAutoSaver* AutoSaver() const { return m_autoSaver; }

private:
    CQtHost m_host;
    CDaubrixApp m_app{m_host};
    CFeatureWiring* m_wiring = nullptr;   // owned by the frame; outlives it here
    CAutoSaver* m_autoSaver = nullptr;    // likewise
    IProfile& m_profile;
    CShellStartup m_startup;
};
