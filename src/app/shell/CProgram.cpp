#include "app/shell/CProgram.h"
#include "app/shell/CFeatureWiring.h"
#include "app/shell/CMainFrame.h"
#include "core/colour/AutoColor.h"
#include "core/movie/VideoCompressors.h"
#include <QObject>

CProgram::CProgram(IProfile& profile) : m_startup(m_app, profile, &m_host)
{
    m_startup.m_settingsLoaded = [this] { InitAutoColors(m_app); };
    m_startup.m_loadVideoLibraries = [] { return LoadVideoLibraries(); };
    m_startup.m_frameCreated = [this](CMainFrame& frame) {
        m_wiring = new CFeatureWiring(frame, m_app);
        QObject::connect(m_wiring, &QObject::destroyed, [this] { m_wiring = nullptr; });
        frame.UpdateCommands();
    };
}

CProgram::~CProgram() = default;

bool CProgram::Start(const std::string& programDir, const QStringList& files, CScreenSize screen, int screenDepth)
{
    m_startup.m_screenDepth = screenDepth;
    return m_startup.InitInstance(programDir, files, screen);
}

bool CProgram::Finish()
{
    return m_startup.ExitInstance();
}
