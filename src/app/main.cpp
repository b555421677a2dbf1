#include "app/shell/ProgramIcon.h"
#include "app/shell/CProgram.h"
#include "app/shell/CQtProfile.h"
#include "core/shell/ProgramFolder.h"
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

    CScreenSize screen;
    int depth = 32;
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        screen = {s->size().width(), s->size().height()};
        depth = s->depth();
    }

    CQtProfile profile;
    CProgram program(profile);
    int rc = 1;
    std::string dir = ResolveProgramFolder(QCoreApplication::applicationFilePath().toStdString());
    if (program.Start(dir, parser.positionalArguments(), screen, depth)) {
        QApplication::setWindowIcon(ProgramIcon());
        rc = QApplication::exec();
    }
    program.Finish();
    profile.Sync();
    return rc;
}
