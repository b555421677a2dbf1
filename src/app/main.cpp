#include "colour/AutoColor.h"
#include "shell/CDaubrixApp.h"
#include "shell/CFeatureWiring.h"
#include "shell/CMainFrame.h"
#include "shell/CQtHost.h"
#include "shell/CQtProfile.h"
#include "shell/CShellStartup.h"
#include "shell/ProgramFolder.h"
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    QApplication::setOrganizationName("quillhollow");
    QApplication::setApplicationName("Daubrix");

    QCommandLineParser parser;
    parser.addPositionalArgument("file", "Drawing to open (.dbx)");
    parser.addHelpOption();
    parser.process(qapp);

    CQtHost host;
    CDaubrixApp app(host);
    CQtProfile profile;
    CShellStartup startup(app, profile, &host);
    startup.m_settingsLoaded = [&app] { InitAutoColors(app); };
    startup.m_frameCreated = [&app](CMainFrame& frame) {
        new CFeatureWiring(frame, app);   // owned by the frame
        frame.UpdateCommands();
    };
    CScreenSize screen;
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        screen = {s->size().width(), s->size().height()};
        startup.m_screenDepth = s->depth();
    }

    int rc = 1;
    std::string dir = ResolveProgramFolder(QCoreApplication::applicationFilePath().toStdString());
    if (startup.InitInstance(dir, parser.positionalArguments(), screen)) {
        QApplication::setWindowIcon(QIcon(":/icons/daubrix.png"));
        rc = QApplication::exec();
    }
    startup.ExitInstance();
    profile.Sync();
    return rc;
}
