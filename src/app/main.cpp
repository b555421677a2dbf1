#include "app/widgets/ProgramIcon.h"
#include "app/program/CProgram.h"
#include "app/shell/CQtProfile.h"
#include "core/shell/ProgramFolder.h"
#include "DaubrixVersion.h"
#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QScreen>
#include <cstring>

namespace {

void DescribeOptions(QCommandLineParser& parser)
{
    parser.addPositionalArgument("file", "Drawing to open (.dbx)");
    parser.addHelpOption();
    parser.addVersionOption();
}

// --help and --version are answered without a display, so they work on a console too.
bool AsksAboutOptionsOnly(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char* o : {"-h", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], o) == 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setOrganizationName("quillhollow");
    QCoreApplication::setApplicationName("Daubrix");
    QCoreApplication::setApplicationVersion(DAUBRIX_VERSION);
    if (AsksAboutOptionsOnly(argc, argv)) {
        QCoreApplication console(argc, argv);
        QCommandLineParser parser;
        DescribeOptions(parser);
        parser.process(console);
        return 0;
    }
    QApplication qapp(argc, argv);
    QCommandLineParser parser;
    DescribeOptions(parser);
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
