#pragma once
#include "app/shell/CChildFrame.h"
#include "app/program/CFeatureWiring.h"
#include "app/shell/CMainFrame.h"
#include "app/view/CDrawingWidget.h"
#include "core/base/CMapProfile.h"
#include "core/shell/CDaubrixApp.h"
#include "tests/app/support/DialogAnswerer.h"
#include "tests/core/support/FakeHost.h"
#include "tests/core/support/TempDir.h"
#include "tests/core/support/TestShapes.h"
#include <QAction>
#include <QApplication>
#include <QPoint>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

// The program as a user meets it: application, profile and main frame as start-up builds
// them, every feature wired in (unless a test wants the bare frame), the automatic files in a
// folder of the test's own (or in dataDir, to survive a restart), and the size question of New
// answered from nextW / nextH. Modal dialogs opening meanwhile go to `dialogs`.
struct ProgramRig {
    enum Features { Wired, Bare };

    TempDir data;
    DialogAnswerer dialogs;
    FakeHost host;
    CDaubrixApp app{host};
    CMapProfile profile;
    std::unique_ptr<CMainFrame> frame;
    CFeatureWiring* wiring = nullptr;
    int nextW = 400, nextH = 400;
    int askedW = 400, askedH = 400;   // what the size question was offered
    bool answer = true;               // whether it is answered at all

    explicit ProgramRig(Features features = Wired, const std::string& dataDir = {});

    CMainFrame& Frame() { return *frame; }
    QAction* Act(CommandId id) { return frame->Action(id); }
    std::string File(const std::string& name) const { return data.File(name); }
    void Settle();

    CChildFrame* NewDrawing(int w, int h);
    // A new drawing holding one stroke across it.
    CChildFrame* Drawing(int w, int h);
    // A drawing with one stroke, saved with File Save under the given path.
    CChildFrame* SavedDrawing(int w, int h, const std::string& path);
    void Stroke(CChildFrame& c, const std::vector<QPoint>& pts);
    // Triggers an enabled command and lets the engine finish what it started.
    void Run(CommandId id);
    void Close(CChildFrame* c);
};
