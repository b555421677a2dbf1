#include "shell/CChildFrame.h"
#include "shell/CDaubrixApp.h"
#include "shell/CMainFrame.h"
#include "shell/CQtHost.h"
#include "shell/CQtProfile.h"
#include "shell/CSettingsTable.h"
#include "shell/ProgramFolder.h"
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QScreen>

namespace {
CScreenSize ScreenSize()
{
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? CScreenSize{s->size().width(), s->size().height()} : CScreenSize{};
}
} // namespace

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    QApplication::setOrganizationName("quillhollow");
    QApplication::setApplicationName("Daubrix");
    QApplication::setWindowIcon(QIcon(":/icons/daubrix.png"));

    CQtHost host;
    CDaubrixApp app(host);
    app.m_random.SeedFromClock();
    CQtProfile profile;

    app.m_programDir = ResolveProgramFolder(QCoreApplication::applicationFilePath().toStdString());
    app.ShapeTable().LoadShapes(app.m_programDir, &host);
    if (app.ShapeTable().Count() == 0) {
        static_cast<IHost&>(host).Message("Shapes not found!", MsgIcon::Stop);
        return 1;
    }
    if (!app.ShapeTable().PrepareAll()) {
        static_cast<IHost&>(host).Message("Error creating shape cursors:\nNot enough Resources.\n\n"
                                          "Close one or more programs\nor restart and try again.",
                                          MsgIcon::Stop);
        app.m_noSettingsWrite = 1;
        return 1;
    }
    CSettingsTable::Load(app, profile, ScreenSize());

    int rc = 0;
    {
        CMainFrame frame(app, profile);
        host.SetParentWidget(&frame);
        host.m_getStatus = [&frame] { return frame.StatusText(0); };
        host.m_setStatus = [&frame](const QString& t) { frame.SetStatusText(0, t); };
        host.m_showProgress = [&frame](int p) { frame.ShowProgress(p); };
        host.m_clearProgress = [&frame] { frame.ClearProgress(); };

        CSettingsTable::LoadMainWindow(app, profile, ScreenSize());
        frame.ShowAtStoredPlacement();

        // A screen of 256 colours or fewer cannot show the globs' colours.
        if (QScreen* s = QGuiApplication::primaryScreen(); s && s->depth() <= 8)
            app.m_lowColor = 1;

        // A file named on the command line opens; without one no drawing is opened.
        QCommandLineParser parser;
        parser.addPositionalArgument("file", "Drawing to open (.dbx)");
        parser.process(qapp);
        const QStringList files = parser.positionalArguments();
        if (!files.isEmpty() && !frame.OpenFile(files.first()) && frame.m_openDocument)
            return 1;

        rc = QApplication::exec();
        host.SetParentWidget(nullptr);
        host.m_getStatus = nullptr;
        host.m_setStatus = nullptr;
        host.m_showProgress = nullptr;
        host.m_clearProgress = nullptr;
    }
    CSettingsTable::Save(app, profile);
    profile.Sync();
    return rc;
}
