#include "app/program/CProgram.h"
#include "app/dialogs/CNoLoneMinimize.h"
#include "app/shell/CAutoSaver.h"
#include "app/dialogs/CLowColorDialog.h"
#include "app/dialogs/CTipDialog.h"
#include "core/shell/CTipOfTheDay.h"
#include "app/program/CFeatureWiring.h"
#include "app/menus/CMenuContext.h"
#include "app/shell/CMainFrame.h"
#include "core/settings/CAutoChange.h"
#include "core/shell/ProgramFolder.h"
#include <cstdlib>
#include "core/movie/VideoCompressors.h"
#include <QObject>

CProgram::CProgram(IProfile& profile) : m_profile(profile), m_startup(m_app, profile, &m_host)
{
    m_startup.m_settingsLoaded = [this] { m_app.AutoChange().InitAll(); };
    m_startup.m_loadVideoLibraries = [] { return LoadVideoLibraries(); };
    m_startup.m_frameCreated = [this](CMainFrame& frame) {
        InstallMenus(frame, m_app);
        m_wiring = new CFeatureWiring(frame, m_app);
        QObject::connect(m_wiring, &QObject::destroyed, [this] { m_wiring = nullptr; });
        const std::string data = UserDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
        m_autoSaver = new CAutoSaver(frame, m_app, data + "recovery");
        QObject::connect(m_autoSaver, &QObject::destroyed, [this] { m_autoSaver = nullptr; });
        frame.UpdateCommands();
    };
    m_startup.m_displayCheck = [this](CMainFrame& frame) {
        if (m_app.Imaging().m_lowColor)
            CLowColorDialog(&frame).exec();
    };
    m_startup.m_tipOfTheDay = [this](CMainFrame& frame) {
        if (!CTipOfTheDay::ShowAtStartUp(frame.Profile()))
            return;
        CTipOfTheDay tips(frame.Profile(), m_app.Host(), m_app.ProgramDir());
        CTipDialog(tips, &frame).exec();
    };
}

CProgram::~CProgram() = default;

bool CProgram::Start(const std::string& programDir, const QStringList& files, CScreenSize screen, int screenDepth)
{
    m_startup.m_screenDepth = screenDepth;
    CNoLoneMinimize::Install();
    if (!m_startup.InitInstance(programDir, files, screen))
        return false;
    if (m_autoSaver)
        m_autoSaver->OfferRecovery();
    return true;
}

bool CProgram::Finish()
{
    const bool wrote = m_startup.ExitInstance();
    if (wrote && !m_profile.Flush())
        m_app.Unwritten().Note(m_profile.Location(), "the settings");
    if (!m_app.Unwritten().Empty())
        m_app.Host().Message(m_app.Unwritten().Message(), MsgIcon::Exclamation);
    return wrote;
}
