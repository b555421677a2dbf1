#include "tests/app/support/DialogAnswerer.h"
#include <QApplication>
#include <gtest/gtest.h>

// The first run of the recovery test, when this program is started as its child.
int RunRecoveryChild(const QString& workDir);

// GUI tests need one QApplication for the whole run; the platform is offscreen under ctest.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own file dialogs on every platform, so tests can drive them.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    if (argc == 3 && QString(argv[1]) == "--recovery-child")
        return RunRecoveryChild(QString::fromLocal8Bit(argv[2]));
    ::testing::InitGoogleTest(&argc, argv);
    // Below every test's own answerer: a dialog no test expects fails that test instead of
    // waiting for a user.
    DialogAnswerer guard;
    return RUN_ALL_TESTS();
}
