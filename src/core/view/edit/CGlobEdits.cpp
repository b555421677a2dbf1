#include "core/view/edit/CGlobEdits.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/view/edit/GlobRuns.h"
#include "core/view/undo/CCutUndoStep.h"
#include "core/view/undo/CDepthUndoStep.h"
#include "core/view/undo/CPasteUndoStep.h"
#include <utility>

namespace {
template <typename Step, typename... Args> Step* Register(CDaubrixView& view, Args&... args)
{
    auto step = std::make_unique<Step>(view, args...);
    Step* raw = step.get();
    view.History().Register(std::move(step));
    return raw;
}
} // namespace

CGlobEdits::CGlobEdits(CDaubrixView& view)
    : m_view(view), m_depth(Register<CDepthUndoStep>(view)),
      m_cut(Register<CCutUndoStep>(view, view.App().Clipboard())),
      m_paste(Register<CPasteUndoStep>(view, std::as_const(view.App().Clipboard().m_clipboard)))
{
    view.App().Clipboard().Attach(&view.Doc());
}

CGlobEdits::~CGlobEdits()
{
    m_view.App().Clipboard().Detach(&m_view.Doc());
}

bool CGlobEdits::HasShownGlobs() const
{
    return m_view.ShownCount() > 0;
}

bool CGlobEdits::CanPaste() const
{
    return !m_view.App().Clipboard().m_clipboard.IsEmpty() && !m_view.ButtonHeld();
}

bool CGlobEdits::SimulateDepth(const DepthChoice& choice)
{
    return HasShownGlobs() && !m_view.ButtonHeld() && m_depth->Perform(choice);
}

bool CGlobEdits::CopyInto(CGlobBuffer& buffer, bool entire)
{
    const int e = m_view.ShownCount();
    const int start = entire ? 0 : m_view.Doc().SectionStartFor(e);
    if (e <= 0 || start >= e)
        return false;
    if (GlobRuns::CopyRange(m_view.Doc(), start, e, m_view.Center(), buffer))
        return true;
    m_view.App().Host().Message("Out of Memory", MsgIcon::Stop);
    return false;
}

bool CGlobEdits::Copy(bool entire)
{
    CGlobClipboard& clip = m_view.App().Clipboard();
    if (!CopyInto(clip.m_clipboard, entire))
        return false;
    clip.ForgetClipboardSteps();
    return true;
}

bool CGlobEdits::Cut(bool entire)
{
    if (m_view.ButtonHeld())
        return false;
    const int e = m_view.ShownCount();
    if (!Copy(entire))
        return false;
    m_cut->Perform(e - static_cast<int>(m_view.App().Clipboard().m_clipboard.m_globs.size()), e, entire);
    return true;
}

bool CGlobEdits::Paste(bool preserveColors)
{
    return CanPaste() && m_paste->Perform(preserveColors);
}

bool CGlobEdits::DefinePattern(bool entire)
{
    return CopyInto(m_view.App().Clipboard().m_pattern, entire);
}
