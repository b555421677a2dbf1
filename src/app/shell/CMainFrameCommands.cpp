// Menu bar, toolbars and the commands the frame itself handles.
#include "app/shell/CCommandTable.h"
#include "app/shell/CChildFrame.h"
#include "app/shell/CMainFrame.h"
#include "app/dialogs/CAboutDialog.h"
#include "core/shell/CDaubrixApp.h"
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>

namespace {
using C = CommandId;
constexpr C kSeparator = C::Count;

struct MenuDef {
    const char* title;
    std::vector<C> items;
};

const std::vector<MenuDef>& Menus()
{
    static const std::vector<MenuDef> menus = {
        {"&File", {C::FileNew, C::FileOpen, C::FileClose, C::FileSave, C::FileSaveAs, kSeparator, C::FilePrint,
                   C::FilePrintPreview, C::FilePrintSetup, kSeparator, C::FileMru1, C::FileMru2, C::FileMru3,
                   C::FileMru4, kSeparator, C::AppExit}},
        {"&Edit", {C::EditUndo, kSeparator, C::EditCut, C::EditCopy, C::EditPaste, kSeparator, C::DefinePattern}},
        {"&View", {C::ViewToolbar, C::ViewToolbar2, C::ViewStatusBar, kSeparator, C::ViewShapesWindow,
                   C::ViewColorsWindow, C::ViewHistoryWindow, kSeparator, C::FullScreen, kSeparator, C::MoveCenter,
                   C::ResetCenter, kSeparator, C::Regenerate, C::ClearDrawing}},
        {"&Drawing", {C::Lines, C::Jitter, C::Skipping, kSeparator, C::MirrorHorizontal, C::MirrorVertical,
                      C::MirrorBoth, C::PolarMirror, kSeparator, C::Pattern}},
        {"&Colors", {C::AutoHue, C::AutoSat, C::AutoVal, kSeparator, C::SimulateDepth, kSeparator, C::SampleColor,
                     C::SampleShape, kSeparator, C::BackgroundColor}},
        {"&Image", {C::SaveImage, C::ImportImage, C::CreateMovie, kSeparator, C::LoadBackground, C::RemoveBackground,
                    kSeparator, C::DrawingInfo, C::PrintSize}},
        {"&Window", {C::WindowCascade, C::WindowTile, C::WindowArrange}},
        {"&Help", {C::TipOfTheDay, kSeparator, C::HelpTopics, C::ContextHelp, kSeparator, C::About}},
    };
    return menus;
}

struct ButtonDef {
    C id;
    const char* icon;
};

// kSeparator marks a gap between button groups.
const std::vector<ButtonDef> kToolbar1 = {
    {C::FileNew, "new"}, {C::FileOpen, "open"}, {C::FileSave, "save"}, {kSeparator, nullptr},
    {C::EditCut, "cut"}, {C::EditCopy, "copy"}, {C::EditPaste, "paste"}, {kSeparator, nullptr},
    {C::FilePrint, "print"}, {C::FilePrintPreview, "preview"}, {C::ContextHelp, "contexthelp"}};
const std::vector<ButtonDef> kToolbar2 = {
    {C::EditUndo, "undo"}, {kSeparator, nullptr}, {C::MoveCenter, "movecenter"},
    {C::MirrorHorizontal, "mirrorh"}, {C::MirrorVertical, "mirrorv"}, {C::MirrorBoth, "mirrorboth"},
    {C::PolarMirror, "polar"}, {C::Lines, "lines"}, {C::Jitter, "jitter"}, {C::Skipping, "skipping"},
    {C::Pattern, "pattern"}, {kSeparator, nullptr}, {C::Regenerate, "regenerate"}, {C::ClearDrawing, "clear"},
    {kSeparator, nullptr}, {C::AutoHue, "autohue"}, {C::AutoSat, "autosat"}, {C::AutoVal, "autoval"},
    {C::SampleShape, "sampleshape"}, {C::SampleColor, "samplecolor"}, {kSeparator, nullptr},
    {C::SimulateDepth, "depth"}};

// Commands the frame implements; every other one waits, disabled, for its feature.
bool FrameOwned(C id)
{
    switch (id) {
    case C::FileNew: case C::FileClose: case C::AppExit: case C::ViewToolbar: case C::ViewToolbar2:
    case C::ViewStatusBar: case C::ViewShapesWindow: case C::ViewColorsWindow: case C::ViewHistoryWindow:
    case C::FullScreen: case C::Regenerate: case C::WindowCascade: case C::WindowTile: case C::WindowArrange:
    case C::HelpTopics: case C::HelpIndex: case C::ContextHelp: case C::About:
    case C::FileOpen: case C::FileSave: case C::FileSaveAs:
    case C::FileMru1: case C::FileMru2: case C::FileMru3: case C::FileMru4:
        return true;
    default:
        return false;
    }
}

QIcon ToolbarIcon(const char* name)
{
    QIcon icon;
    icon.addFile(QString(":/icons/%1.png").arg(name), QSize(16, 15));
    icon.addFile(QString(":/icons/%1@2x.png").arg(name), QSize(32, 30));
    return icon;
}
} // namespace

void CMainFrame::CreateActions()
{
    for (int i = 0; i < CCommandTable::Count(); ++i) {
        const CommandInfo& info = CCommandTable::Info(static_cast<C>(i));
        auto* a = new QAction(QString::fromUtf8(info.text), this);
        QStringList status = QString::fromUtf8(info.status).split('\n');
        a->setStatusTip(status.value(0));
        a->setToolTip(status.size() > 1 ? status.value(1) : status.value(0));
        a->setWhatsThis(status.value(0));
        QList<QKeySequence> keys;
        for (const QString& k : QString::fromUtf8(info.keys).split(';', Qt::SkipEmptyParts))
            keys << QKeySequence(k);
        a->setShortcuts(keys);
        a->setCheckable(info.checkable);
        a->setData(info.number);
        a->setEnabled(FrameOwned(info.id));
        m_actions[static_cast<size_t>(i)] = a;
        addAction(a);   // shortcuts work while the menu bar is hidden too
    }
}

void CMainFrame::CreateMenus()
{
    for (const MenuDef& def : Menus()) {
        QMenu* menu = menuBar()->addMenu(def.title);
        for (C id : def.items) {
            if (id == kSeparator)
                menu->addSeparator();
            else
                menu->addAction(Action(id));
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
        if (QString(def.title) == "&Window") {
            m_windowMenu = menu;
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::FillWindowMenu);
        }
    }
}

void CMainFrame::CreateToolbars()
{
    auto make = [this](const char* name, const std::vector<ButtonDef>& buttons) {
        auto* bar = new QToolBar(name, this);
        bar->setObjectName(name);
        bar->setIconSize(QSize(16, 15));
        for (const ButtonDef& b : buttons) {
            if (b.id == kSeparator) {
                bar->addSeparator();
                continue;
            }
            Action(b.id)->setIcon(ToolbarIcon(b.icon));
            bar->addAction(Action(b.id));
        }
        addToolBar(Qt::TopToolBarArea, bar);
        return bar;
    };
    m_toolbar1 = make("Toolbar", kToolbar1);
    m_toolbar2 = make("Toolbar 2", kToolbar2);
}

void CMainFrame::ConnectFrameCommands()
{
    connect(Action(C::FileNew), &QAction::triggered, this, [this] { NewDrawing(); });
    connect(Action(C::FileOpen), &QAction::triggered, this, [this] {
        QString path = QFileDialog::getOpenFileName(this, "Open", QString(), "Daubrix Files (*.dbx);;All Files (*)");
        if (!path.isEmpty())
            OpenFile(path);
    });
    connect(Action(C::FileClose), &QAction::triggered, this, [this] {
        if (QMdiSubWindow* w = m_mdi->activeSubWindow())
            w->close();
    });
    connect(Action(C::FileSave), &QAction::triggered, this, [this] {
        if (CChildFrame* c = ActiveChild(); c && m_saveDocument)
            m_saveDocument(*c);
    });
    for (int i = 0; i < 4; ++i)
        connect(Action(static_cast<C>(static_cast<int>(C::FileMru1) + i)), &QAction::triggered, this,
                [this, i] {
                    // An entry that cannot be opened any more leaves the list.
                    if (i < m_recent.size() && !OpenFile(m_recent.at(i)) && m_openDocument)
                        RemoveRecentFile(m_recent.value(i));
                });
    connect(Action(C::AppExit), &QAction::triggered, this, &QWidget::close);
    connect(Action(C::ViewToolbar), &QAction::triggered, this, [this] { SetBarVisible(0, m_toolbar1->isHidden()); });
    connect(Action(C::ViewToolbar2), &QAction::triggered, this, [this] { SetBarVisible(1, m_toolbar2->isHidden()); });
    connect(Action(C::ViewStatusBar), &QAction::triggered, this, [this] { SetBarVisible(2, statusBar()->isHidden()); });
    connect(Action(C::ViewShapesWindow), &QAction::triggered, this, [this] { ToggleToolWindow(ShapesWindow); });
    connect(Action(C::ViewColorsWindow), &QAction::triggered, this, [this] { ToggleToolWindow(ColorsWindow); });
    connect(Action(C::ViewHistoryWindow), &QAction::triggered, this, [this] { ToggleToolWindow(HistoryWindow); });
    connect(Action(C::FullScreen), &QAction::triggered, this, &CMainFrame::FullScreenCommand);
    connect(Action(C::Regenerate), &QAction::triggered, this, [this] {
        if (CDaubrixView* v = ActiveView())
            v->Regenerate();
    });
    connect(Action(C::WindowCascade), &QAction::triggered, m_mdi, &QMdiArea::cascadeSubWindows);
    connect(Action(C::WindowTile), &QAction::triggered, m_mdi, &QMdiArea::tileSubWindows);
    connect(Action(C::WindowArrange), &QAction::triggered, this, &CMainFrame::ArrangeIcons);
    connect(Action(C::HelpTopics), &QAction::triggered, this, &CMainFrame::ShowHelp);
    connect(Action(C::HelpIndex), &QAction::triggered, this, &CMainFrame::ShowHelp);
    connect(Action(C::ContextHelp), &QAction::triggered, this, [] { QWhatsThis::enterWhatsThisMode(); });
    connect(Action(C::About), &QAction::triggered, this, &CMainFrame::ShowAbout);
    // Check marks follow every command.
    for (QAction* a : m_actions)
        connect(a, &QAction::triggered, this, &CMainFrame::UpdateCommands, Qt::QueuedConnection);
}

void CMainFrame::UpdateCommands()
{
    bool child = ActiveChild() != nullptr;
    Action(C::FileClose)->setEnabled(child);
    Action(C::Regenerate)->setEnabled(child);
    Action(C::FileOpen)->setEnabled(bool(m_openDocument));
    Action(C::FileSave)->setEnabled(child && m_saveDocument);
    Action(C::FileSaveAs)->setEnabled(child && m_saveDocument);
    bool several = m_mdi->subWindowList().size() > 0;
    for (C id : {C::WindowCascade, C::WindowTile, C::WindowArrange})
        Action(id)->setEnabled(several);
    Action(C::ViewToolbar)->setChecked(!m_toolbar1->isHidden());
    Action(C::ViewToolbar2)->setChecked(!m_toolbar2->isHidden());
    Action(C::ViewStatusBar)->setChecked(!statusBar()->isHidden());
    Action(C::ViewShapesWindow)->setChecked(IsToolWindowVisible(ShapesWindow));
    Action(C::ViewColorsWindow)->setChecked(IsToolWindowVisible(ColorsWindow));
    Action(C::ViewHistoryWindow)->setChecked(IsToolWindowVisible(HistoryWindow));
    Action(C::FullScreen)->setChecked(m_fullScreen.IsFullScreen());
    for (auto& u : m_updaters)
        u();
}

void CMainFrame::AddCommandUpdater(std::function<void()> updater)
{
    m_updaters.push_back(std::move(updater));
}

void CMainFrame::SetUndoText(const QString& text, bool enabled)
{
    Action(C::EditUndo)->setText(text);
    Action(C::EditUndo)->setEnabled(enabled);
}

void CMainFrame::FillWindowMenu()
{
    // The open drawings follow the arrange commands, the active one checked.
    for (QAction* a : m_windowMenu->actions())
        if (a->property("dbxWindowEntry").toBool())
            delete a;
    const QList<QMdiSubWindow*> windows = m_mdi->subWindowList();
    if (windows.isEmpty())
        return;
    m_windowMenu->addSeparator()->setProperty("dbxWindowEntry", true);
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* w = windows[i];
        QAction* a = m_windowMenu->addAction(QString("&%1 %2").arg(i + 1).arg(w->windowTitle()));
        a->setProperty("dbxWindowEntry", true);
        a->setCheckable(true);
        a->setChecked(w == m_mdi->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, w] { m_mdi->setActiveSubWindow(w); });
    }
}

void CMainFrame::RefreshRecentActions()
{
    for (int i = 0; i < 4; ++i) {
        QAction* a = Action(static_cast<C>(static_cast<int>(C::FileMru1) + i));
        bool has = i < m_recent.size();
        a->setVisible(has);
        if (has)
            a->setText(QString("&%1 %2").arg(i + 1).arg(QFileInfo(m_recent.at(i)).fileName()));
        a->setStatusTip(has ? "Open " + m_recent.at(i) : QString());
    }
}

void CMainFrame::ShowAbout()
{
    CAboutDialog(this).exec();
}

void CMainFrame::ShowHelp()
{
    QMessageBox::information(
        this, "Daubrix Help",
        "Drag the pointer in a drawing to stamp globs of the current shape.\n\n"
        "Pick shapes in the Glob Shapes window (Ctrl+1) and colours in the Colors window (Ctrl+2); "
        "move back and forth through the drawing with the Drawing History window (Ctrl+3).\n\n"
        "The Drawing menu holds the drawing modes: Lines, Jitter, Skipping, the mirrors and Polar Mirror. "
        "Hold Ctrl when choosing a mode to switch it without its dialog.\n\n"
        "Ctrl+F enters and leaves full screen.");
}
