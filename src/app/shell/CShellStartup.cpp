#include "app/shell/CShellStartup.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CQtHost.h"
#include "core/shell/CDaubrixApp.h"
#include "core/shell/DisplayCheck.h"
#include "core/base/IProfile.h"
#include <limits>

CShellStartup::CShellStartup(CDaubrixApp& app, IProfile& profile, CQtHost* qtHost)
    : m_app(app), m_profile(profile), m_qtHost(qtHost)
{
}

CShellStartup::~CShellStartup()
{
    if (m_qtHost) {
        m_qtHost->SetParentWidget(nullptr);
        m_qtHost->m_getStatus = nullptr;
        m_qtHost->m_setStatus = nullptr;
        m_qtHost->m_showProgress = nullptr;
        m_qtHost->m_clearProgress = nullptr;
    }
}

bool CShellStartup::InitInstance(const std::string& programDir, const QStringList& files, CScreenSize screen)
{
    IHost& host = m_app.Host();
    m_app.Random().SeedFromClock();
    m_app.SetProgramDir(programDir);
    m_app.ShapeTable().LoadShapes(m_app.ProgramDir(), &host);
    if (m_app.ShapeTable().Count() == 0) {
        host.Message("Shapes not found!", MsgIcon::Stop);
        return false;
    }
    if (!m_app.ShapeTable().PrepareAll()) {
        host.Message("Error creating shape cursors:\nNot enough Resources.\n\n"
                     "Close one or more programs\nor restart and try again.",
                     MsgIcon::Stop);
        m_app.Shell().m_noSettingsWrite = 1;
        return false;
    }
    CSettingsTable::Load(m_app, m_profile, screen);
    m_settingsRead = true;
    if (m_settingsLoaded)
        m_settingsLoaded();
    if (m_loadVideoLibraries && !m_loadVideoLibraries())
        host.Message("AVI init failed.", MsgIcon::Stop);

    m_frame = std::make_unique<CMainFrame>(m_app, m_profile);
    CMainFrame* f = m_frame.get();
    if (m_qtHost) {
        m_qtHost->SetParentWidget(f);
        m_qtHost->m_getStatus = [f] { return f->StatusText(0); };
        m_qtHost->m_setStatus = [f](const QString& t) { f->SetStatusText(0, t); };
        m_qtHost->m_showProgress = [f](int p) { f->ShowProgress(p); };
        m_qtHost->m_clearProgress = [f] { f->ClearProgress(); };
    }
    if (m_frameCreated)
        m_frameCreated(*f);
    CSettingsTable::LoadMainWindow(m_app, m_profile, screen);
    // A stored placement always wins; a first start fits the screen it opens on.
    auto stored = [this](const std::string& window, std::initializer_list<const char*> keys) {
        constexpr int kAbsent = std::numeric_limits<int>::min();
        for (const char* key : keys)
            if (m_profile.GetInt(CSettingsTable::kSection, window + key, kAbsent) != kAbsent)
                return true;
        return false;
    };
    if (stored("appWindow", {"Flags", "ShowCmd", "X1", "X2", "Y1", "Y2"}))
        f->ShowAtStoredPlacement();
    else
        f->ShowAtFirstStart({!stored("shapesWindow", {"X1", "X2", "Y1", "Y2"}), !stored("colorsWindow", {"X1", "Y1"}),
                             !stored("undoSlider", {"X1", "Y1"})});

    if (IsLowColorDisplay(m_screenDepth))
        m_app.Imaging().m_lowColor = 1;
    if (m_displayCheck)
        m_displayCheck(*f);
    if (m_tipOfTheDay)
        m_tipOfTheDay(*f);

    // Without a file name no drawing opens. A named file that cannot be read has been reported;
    // the program stays, with no drawing, as after a failed File > Open.
    if (!files.isEmpty())
        f->OpenFile(files.first());
    return true;
}

bool CShellStartup::ExitInstance()
{
    if (m_frame && m_frame->isVisible())
        m_frame->RecordPlacements();
    m_frame.reset();
    // A run that never read the settings must not overwrite the previous run's.
    if (!m_settingsRead)
        return false;
    return CSettingsTable::Save(m_app, m_profile);
}
