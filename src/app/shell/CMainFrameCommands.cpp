// Menu bar, toolbars and the commands the frame itself handles.
#include "app/shell/CCommandTable.h"
#include "app/shell/CMainFrame.h"
#include <QFileInfo>
#include <QIcon>
#include <QMenuBar>
#include <QToolBar>

namespace {
using C = CommandId;
constexpr C kSeparator = C::Count;

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
    {C::EditUndo, "undo"}, {C::EditRedo, "redo"}, {kSeparator, nullptr}, {C::MoveCenter, "movecenter"},
    {C::MirrorHorizontal, "mirrorh"}, {C::MirrorVertical, "mirrorv"}, {C::MirrorBoth, "mirrorboth"},
    {C::PolarMirror, "polar"}, {C::Lines, "lines"}, {C::Jitter, "jitter"}, {C::Skipping, "skipping"},
    {C::Pattern, "pattern"}, {kSeparator, nullptr}, {C::Regenerate, "regenerate"}, {C::ClearDrawing, "clear"},
    {kSeparator, nullptr}, {C::AutoHue, "autohue"}, {C::AutoSat, "autosat"}, {C::AutoVal, "autoval"},
    {C::SampleShape, "sampleshape"}, {C::SampleColor, "samplecolor"}, {kSeparator, nullptr},
    {C::SimulateDepth, "depth"}};

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
        a->setEnabled(false);   // until a menu installs the command
        m_actions[static_cast<size_t>(i)] = a;
        addAction(a);   // shortcuts work while the menu bar is hidden too
        // Check marks follow every command.
        connect(a, &QAction::triggered, this, &CMainFrame::UpdateCommands, Qt::QueuedConnection);
    }
}

void CMainFrame::CreateMenus()
{
    QMenu* menu = nullptr;
    for (int i = 0; i < CCommandTable::Count(); ++i) {
        const CommandInfo& info = CCommandTable::Info(static_cast<C>(i));
        if (!info.menu)
            continue;
        if (!menu || menu->title() != QString::fromUtf8(info.menu)) {
            menu = menuBar()->addMenu(QString::fromUtf8(info.menu));
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
            if (menu->title() == "&Window")
                m_windowMenu = menu;
        }
        if (info.separatorBefore)
            menu->addSeparator();
        menu->addAction(Action(static_cast<C>(i)));
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
    // Each bar on its own row, so every button shows at the default window size; a stored
    // arrangement replaces this.
    addToolBarBreak(Qt::TopToolBarArea);
    m_toolbar2 = make("Toolbar 2", kToolbar2);
}

void CMainFrame::UpdateCommands()
{
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

void CMainFrame::SetRedoText(const QString& text, bool enabled, bool shown)
{
    QAction* redo = Action(C::EditRedo);
    redo->setText(text);
    redo->setEnabled(enabled);
    redo->setVisible(shown);
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
