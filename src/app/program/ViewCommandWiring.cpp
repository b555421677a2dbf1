#include "app/program/ViewCommandWiring.h"
#include "app/menus/ViewContextMenu.h"
#include "app/shell/CChildFrame.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CToolWindows.h"
#include "app/view/CDrawingWidget.h"
#include "app/windows/CShapesWindow.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CViewKeys.h"
#include <QAction>
#include <QMenu>

namespace {
void ShowColor(CToolWindows& tools, HsvColor c)
{
    if (tools.Colors())
        tools.Colors()->SetCurrentColor(c);
    tools.ShapeChanged();
}

void ShowCurrentShape(CToolWindows& tools, CDaubrixApp& app)
{
    if (tools.Shapes())
        tools.Shapes()->ScrollToCurrentShape();
    const CShape& s = app.CurrentShape();
    ShowColor(tools, {s.m_hue, s.m_saturation, s.m_value});
}
} // namespace

void WireViewCommands(CMainFrame& frame, CToolWindows& tools, CChildFrame& child)
{
    CDrawingWidget& widget = child.DrawingWidget();
    CDaubrixView& view = child.View();
    CDaubrixApp& app = view.App();
    QObject::connect(&widget, &CDrawingWidget::colorSampled, &frame, [&tools](HsvColor c) { ShowColor(tools, c); });
    QObject::connect(&widget, &CDrawingWidget::shapeSampled, &frame,
                     [&tools, &app](HsvColor) { ShowCurrentShape(tools, app); });
    // The window's own Close also answers Ctrl+W on this desktop; two owners of one key make
    // it do nothing at all, and Ctrl+W is Clear's.
    if (QMenu* system = child.systemMenu())
        for (QAction* a : system->actions()) {
            QList<QKeySequence> keys = a->shortcuts();
            if (keys.removeAll(QKeySequence(Qt::CTRL | Qt::Key_W)) > 0)
                a->setShortcuts(keys);
        }
    QObject::connect(&widget, &CDrawingWidget::contextMenuWanted, &frame, [&frame, &widget](QPoint at) {
        ShowViewContextMenu(frame, widget, at);
    });

    // Coming from another drawing, the history slider shows this one's and the picture is
    // copied whole; coming back from elsewhere (a menu, a tool window) nothing needs redoing.
    QObject::connect(&widget, &CDrawingWidget::focusTaken, &frame, [&frame, &tools, &view, &widget] {
        if (frame.m_lastBlurredView != &view) {
            tools.ReloadHistory();
            view.BlitAllNextPaint();
            widget.update();
        }
        frame.m_currentView = &view;
    });
    QObject::connect(&widget, &CDrawingWidget::focusLost, &frame, [&frame, &view] { frame.m_lastBlurredView = &view; });

    widget.m_typedKey = [&frame, &tools, &view, &widget, &app](int ch) {
        // ESC stops a playback before anything else.
        CDrawingHistoryWindow* history = tools.History();
        if (ch == 27 && history && history->Playing()) {
            history->StopPlaying();
            return true;
        }
        CViewKeys keys(view, tools.Shapes() ? &tools.Shapes()->Commands() : nullptr);
        switch (keys.Type(ch)) {
        case KeyEffect::None: return false;
        case KeyEffect::CycleFullScreen: frame.CycleFullScreen(); break;
        case KeyEffect::ModeLeft: widget.UpdateCursor(); break;
        case KeyEffect::ShapeChanged: ShowCurrentShape(tools, app); break;
        case KeyEffect::ColorChanged: {
            const CShape& s = app.CurrentShape();
            ShowColor(tools, {s.m_hue, s.m_saturation, s.m_value});
            break;
        }
        case KeyEffect::SettingChanged: break;
        case KeyEffect::Play:
            if (history)
                history->TogglePlay();
            break;
        }
        frame.UpdateCommands();
        return true;
    };
}
