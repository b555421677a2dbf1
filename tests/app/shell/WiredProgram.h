#pragma once
#include "ShellTestSupport.h"
#include "shell/CChildFrame.h"
#include "shell/CFeatureWiring.h"
#include "support/TempDir.h"
#include "view/CDrawingWidget.h"
#include <QAction>
#include <memory>

// The program as a user meets it: frame, tool windows and commands wired together, with the
// automatic files kept in a folder of the test's own.
struct WiredProgram {
    TempDir data;
    std::unique_ptr<ShellRig> rig;
    CFeatureWiring* wiring = nullptr;

    WiredProgram()
    {
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.Path()));
        rig = std::make_unique<ShellRig>();
        wiring = new CFeatureWiring(*rig->frame, rig->app);
        rig->frame->resize(900, 700);
        rig->frame->show();
        rig->frame->UpdateCommands();
    }

    CChildFrame* NewDrawing(int w, int h)
    {
        rig->nextW = w;
        rig->nextH = h;
        CChildFrame* c = rig->frame->NewDrawing();
        c->DrawingWidget().RunEngine();
        QApplication::processEvents();
        return c;
    }

    QAction* Act(CommandId id) { return rig->frame->Action(id); }
};
