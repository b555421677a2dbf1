#include "app/shell/CFeatureWiring.h"
#include "app/shell/CChildFrame.h"
#include "app/shell/CMainFrame.h"
#include "core/colour/AutoColor.h"
#include "app/dialogs/CQtImageDialogs.h"
#include "app/dialogs/DocumentDialogs.h"
#include "app/dialogs/DrawingDialogs.h"
#include "core/model/CDocumentFile.h"
#include "core/model/UndoKind.h"
#include "core/shell/CDaubrixApp.h"
#include "core/shell/ProgramFolder.h"
#include "core/view/CDaubrixView.h"
#include "app/view/CDrawingWidget.h"
#include "core/view/DocumentIO.h"
#include "core/view/DrawingCommands.h"
#include "core/view/ImageCommands.h"
#include "app/windows/CColorsWindow.h"
#include "app/windows/CColorsWindowLink.h"
#include "app/windows/CDrawingHistoryWindow.h"
#include "app/windows/CShapesWindow.h"
#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

using C = CommandId;

CFeatureWiring::CFeatureWiring(CMainFrame& frame, CDaubrixApp& app) : QObject(&frame), m_frame(frame), m_app(app)
{
    CreateToolWindows();
    WireFiles();
    WireDrawingCommands();
    WireImageCommands();
    WireUpdaters();
    m_frame.m_childCreated = [this](CChildFrame& child) { WireChild(child); };
    // Another drawing coming to the front brings its history into the slider.
    connect(m_frame.Workspace(), &QMdiArea::subWindowActivated, this, [this] {
        if (m_history)
            m_history->Reload();
    });
}

CFeatureWiring::~CFeatureWiring()
{
    // The palette reads the Colors window through the link; let it go first. Both write their
    // automatic files as they go.
    delete m_shapes;
    m_shapes = nullptr;
    m_link.reset();
}

CDaubrixView* CFeatureWiring::Active() const
{
    return m_frame.ActiveView();
}

bool CFeatureWiring::Ctrl() const
{
    return QGuiApplication::keyboardModifiers() & Qt::ControlModifier;
}

void CFeatureWiring::ShapeChanged()
{
    if (m_shapes)
        m_shapes->InvalidateShapes();
    UpdateCursors();
}

void CFeatureWiring::UpdateCursors()
{
    for (CChildFrame* c : m_frame.Children())
        c->DrawingWidget().UpdateCursor();
}

void CFeatureWiring::CreateToolWindows()
{
    auto active = [this] { return Active(); };

    m_colors = new CColorsWindow(m_app, AutomaticFilePath(kLastColorHistoryFile), &m_frame);
    m_colors->Panel().m_activeView = active;
    m_colors->Panel().m_shapeColorChanged = [this] { ShapeChanged(); };
    m_colors->m_onClosed = [this] { m_frame.UpdateCommands(); };
    m_frame.SetToolWindow(CMainFrame::ColorsWindow, m_colors);

    m_history = new CDrawingHistoryWindow(&m_frame);
    m_history->m_activeView = active;
    m_history->m_shapesChanged = [this] { ShapeChanged(); };
    m_history->m_onClosed = [this] {
        m_frame.RepaintViewsUnder(m_history->frameGeometry());
        m_frame.UpdateCommands();
    };
    m_frame.SetToolWindow(CMainFrame::HistoryWindow, m_history);

    m_link = std::make_unique<CColorsWindowLink>(*m_colors);
    m_shapes = new CShapesWindow(m_app, *m_link, AutomaticFilePath(kLastShapeStateFile), &m_frame);
    m_shapes->m_keyTarget = [this]() -> QWidget* {
        CChildFrame* c = m_frame.ActiveChild();
        return c ? &c->DrawingWidget() : nullptr;
    };
    m_shapes->m_shapeChosen = [this] { UpdateCursors(); };
    connect(m_shapes, &CShapesWindow::closedByUser, this, [this] { m_frame.UpdateCommands(); });
    m_frame.SetToolWindow(CMainFrame::ShapesWindow, m_shapes);
    // The palette's current shape is the colour the Colors window starts from.
    if (m_app.ShapeTable().Count() > 0) {
        const CShape& s = m_app.CurrentShape();
        m_colors->SetCurrentColor(HsvColor{s.m_hue, s.m_saturation, s.m_value});
    }
}

bool CFeatureWiring::OpenDocument(const QString& path)
{
    // Stored absolute, so Save writes where the file came from whatever the current folder.
    const QString full = QFileInfo(path).absoluteFilePath();
    if (CChildFrame* open = m_frame.ChildShowing(full)) {
        // A drawing already open is brought forward, not read a second time.
        m_frame.Workspace()->setActiveSubWindow(open);
        return true;
    }
    auto doc = std::make_unique<CDaubrixDoc>(m_app.ShapeTable(), &m_app.Host());
    DocumentBackground background;
    if (!ReadDocumentFile(full.toStdString(), *doc, &background, m_app.m_imaging.m_lowColor != 0, m_app.Host()))
        return false;
    CChildFrame* child = m_frame.AddDocument(std::move(doc));
    ShowOpenedDocument(child->View(), std::move(background));
    child->FitToDrawing();
    child->DrawingWidget().Invalidate();
    // The shapes of a stored drawing may now hold its colours.
    ShapeChanged();
    if (m_history)
        m_history->Reload();
    return true;
}

void CFeatureWiring::WireFiles()
{
    m_frame.m_openDocument = [this](const QString& path) { return OpenDocument(path); };
    m_frame.m_saveDocument = [this](CChildFrame& c) {
        bool ok = SaveDrawing(&m_frame, c.View(), m_app.Host());
        if (ok)
            m_frame.DocumentSaved(c);
        return ok;
    };
    connect(m_frame.Action(C::FileSaveAs), &QAction::triggered, this, [this] {
        if (CChildFrame* c = m_frame.ActiveChild(); c && SaveDrawingAs(&m_frame, c->View(), m_app.Host()))
            m_frame.DocumentSaved(*c);
    });
}

void CFeatureWiring::WireDrawingCommands()
{
    // A checkable action flips its own mark when clicked, and a dialog's event loop runs the
    // frame's queued refresh before OK: set the marks again once the command is done.
    auto on = [this](C id, auto fn) {
        connect(m_frame.Action(id), &QAction::triggered, this, [this, fn] {
            fn();
            m_frame.UpdateCommands();
        });
    };
    QWidget* parent = &m_frame;
    on(C::EditUndo, [this] {
        if (CDaubrixView* v = Active()) {
            v->History().Undo();
            if (m_history)
                m_history->Reload();
        }
    });
    on(C::Lines, [this, parent] { DrawingDialogs::LinesCommand(parent, m_app, Active(), Ctrl()); });
    on(C::Jitter, [this, parent] { DrawingDialogs::JitterCommand(parent, m_app, Ctrl()); });
    on(C::Skipping, [this, parent] { DrawingDialogs::SkippingCommand(parent, m_app, Ctrl()); });
    on(C::PolarMirror, [this, parent] { DrawingDialogs::PolarMirrorCommand(parent, m_app, Active(), Ctrl()); });
    on(C::MirrorHorizontal, [this] { DrawingCommands::ToggleMirrorHorizontal(m_app, Active()); });
    on(C::MirrorVertical, [this] { DrawingCommands::ToggleMirrorVertical(m_app, Active()); });
    on(C::MirrorBoth, [this] { DrawingCommands::ToggleMirrorBoth(m_app, Active()); });
    on(C::MoveCenter, [this] {
        if (CChildFrame* c = m_frame.ActiveChild()) {
            c->View().Stroke().ToggleMoveCenter();
            c->DrawingWidget().UpdateCursor();
        }
    });
    on(C::ResetCenter, [this] {
        if (CDaubrixView* v = Active())
            v->Stroke().ResetCenter();
    });
    on(C::AutoHue, [this, parent] { DrawingDialogs::AutoChangeCommand(parent, m_app, ColorComponent::Hue, Ctrl()); });
    on(C::AutoSat, [this, parent] {
        DrawingDialogs::AutoChangeCommand(parent, m_app, ColorComponent::Saturation, Ctrl());
    });
    on(C::AutoVal, [this, parent] { DrawingDialogs::AutoChangeCommand(parent, m_app, ColorComponent::Value, Ctrl()); });
}

void CFeatureWiring::WireImageCommands()
{
    auto on = [this](C id, auto fn) { connect(m_frame.Action(id), &QAction::triggered, this, fn); };
    on(C::SaveImage, [this] {
        if (CDaubrixView* v = Active()) {
            CQtImageDialogs d(&m_frame);
            SaveImageCommand(m_app, *v, d);
        }
    });
    on(C::LoadBackground, [this] {
        if (CDaubrixView* v = Active()) {
            CQtImageDialogs d(&m_frame);
            LoadBackgroundCommand(m_app, *v, d);
        }
    });
    on(C::RemoveBackground, [this] {
        if (CDaubrixView* v = Active())
            RemoveBackgroundCommand(*v);
    });
}

void CFeatureWiring::WireUpdaters()
{
    for (C id : {C::Lines, C::Jitter, C::Skipping, C::MirrorHorizontal, C::MirrorVertical, C::MirrorBoth,
                 C::PolarMirror, C::AutoHue, C::AutoSat, C::AutoVal, C::MoveCenter, C::LoadBackground})
        m_frame.Action(id)->setCheckable(true);
    m_frame.AddCommandUpdater([this] {
        CDaubrixView* v = Active();
        const bool view = v != nullptr;
        UndoMenuState st = view ? v->History().MenuState() : UndoMenuFor(kUndoNone);
        QString text = QString::fromUtf8(st.text).section('\t', 0, 0);
        m_frame.SetUndoText(text, view && st.enabled);

        auto set = [this](C id, bool enabled, bool checked) {
            m_frame.Action(id)->setEnabled(enabled);
            m_frame.Action(id)->setChecked(checked);
        };
        set(C::Lines, true, m_app.m_drawing.m_lineMode != 0);
        set(C::Jitter, true, m_app.m_drawing.m_jitter != 0);
        set(C::Skipping, true, m_app.m_drawing.m_skipping != 0);
        set(C::MirrorHorizontal, true, m_app.m_drawing.m_mirrorHorizontal != 0);
        set(C::MirrorVertical, true, m_app.m_drawing.m_mirrorVertical != 0);
        set(C::MirrorBoth, true, m_app.m_drawing.m_mirrorBoth != 0);
        set(C::PolarMirror, true, m_app.m_drawing.m_polar != 0);
        set(C::AutoHue, true, m_app.m_autoColor.m_autoHue != 0);
        set(C::AutoSat, true, m_app.m_autoColor.m_autoSat != 0);
        set(C::AutoVal, true, m_app.m_autoColor.m_autoVal != 0);
        set(C::MoveCenter, view, m_app.m_modes.m_moveCenterMode);
        m_frame.Action(C::ResetCenter)->setEnabled(view);
        m_frame.Action(C::SaveImage)->setEnabled(view);
        set(C::LoadBackground, view && !m_app.m_imaging.m_lowColor, view && v->Doc().m_hasBackgroundImage);
        m_frame.Action(C::RemoveBackground)->setEnabled(view && v->Doc().m_hasBackgroundImage);
    });
}

void CFeatureWiring::WireChild(CChildFrame& child)
{
    CDrawingWidget& drawing = child.DrawingWidget();
    connect(&drawing, &CDrawingWidget::historyChanged, this, [this] {
        if (m_history)
            m_history->Reload();
    });
    connect(&drawing, &CDrawingWidget::colorShown, this, [this](HsvColor c) {
        if (m_colors)
            m_colors->SetCurrentColor(c);
    });
    connect(&drawing, &CDrawingWidget::strokeEnded, this, [this] {
        if (m_colors && (m_app.m_autoColor.m_autoHue || m_app.m_autoColor.m_autoSat || m_app.m_autoColor.m_autoVal))
            m_colors->AddCurrentToHistory();
        if (m_shapes)
            m_shapes->InvalidateShapes();
        m_frame.UpdateCommands();
    });
    WireDrawingWindow(child);
    if (m_history)
        m_history->Reload();
}

void CFeatureWiring::WireDrawingWindow(CChildFrame& child)
{
    CDrawingWidget& widget = child.DrawingWidget();
    // A stroke's release or a Move Center click leaves an undo step and may end a mode: the
    // toolbar shows that at once, not only when a menu opens.
    connect(&widget, &CDrawingWidget::commandsChanged, this, [this] { m_frame.UpdateCommands(); });
    widget.UpdateCursor();
}
