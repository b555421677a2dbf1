#include "app/dialogs/EditDialogs.h"
#include "app/dialogs/CDepthDialog.h"
#include "app/dialogs/CPatternDialog.h"
#include "app/dialogs/CTwoChoiceDialog.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/view/edit/CGlobEdits.h"
#include "core/view/edit/PatternMode.h"
#include <functional>

namespace {
// Asks the two-choice dialog preset from choice; on OK stores it and acts on it.
bool AskThen(QWidget* parent, const CTwoChoiceDialog::Texts& texts, int32_t& choice, const std::function<bool(bool)>& act)
{
    CTwoChoiceDialog dlg(texts, choice != 0, parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    choice = dlg.First() ? 1 : 0;
    return act(dlg.First());
}
} // namespace

namespace EditDialogs {
bool CopyCommand(QWidget* parent, CDaubrixApp& app, CDaubrixView* view)
{
    if (!view || !view->Edits().HasShownGlobs())
        return false;
    return AskThen(parent, CTwoChoiceDialog::CopyTexts(), app.Clipboard().m_copyEntire,
                   [view](bool entire) { return view->Edits().Copy(entire); });
}

bool CutCommand(QWidget* parent, CDaubrixApp& app, CDaubrixView* view)
{
    if (!view || !view->Edits().HasShownGlobs())
        return false;
    return AskThen(parent, CTwoChoiceDialog::CutTexts(), app.Clipboard().m_cutEntire,
                   [view](bool entire) { return view->Edits().Cut(entire); });
}

bool PasteCommand(QWidget* parent, CDaubrixApp& app, CDaubrixView* view)
{
    if (!view || !view->Edits().CanPaste())
        return false;
    return AskThen(parent, CTwoChoiceDialog::PasteTexts(), app.Clipboard().m_pastePreserveColors,
                   [view](bool preserve) { return view->Edits().Paste(preserve); });
}

bool DefinePatternCommand(QWidget* parent, CDaubrixApp& app, CDaubrixView* view)
{
    if (!view || !view->Edits().HasShownGlobs())
        return false;
    return AskThen(parent, CTwoChoiceDialog::DefinePatternTexts(), app.Clipboard().m_patternEntire,
                   [view](bool entire) { return view->Edits().DefinePattern(entire); });
}

bool PatternCommand(QWidget* parent, CDaubrixApp& app, CDaubrixView* view, bool ctrl)
{
    if (!PatternMode::Available(app.Clipboard()))
        return false;
    if (ctrl) {
        PatternMode::Toggle(app.Modes(), view);
        return true;
    }
    CPatternDialog dlg(app.Modes().IsOn(CDrawingModes::kPattern), app.Clipboard().m_patternPreserveColors != 0, parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    app.Clipboard().m_patternPreserveColors = dlg.PreserveColors() ? 1 : 0;
    PatternMode::Set(app.Modes(), view, dlg.IsOn());
    return true;
}

bool SimulateDepthCommand(QWidget* parent, CDaubrixApp& app, CDaubrixView* view)
{
    if (!view || !view->Edits().HasShownGlobs())
        return false;
    CDepthSettings& d = app.Depth();
    CDepthDialog dlg({d.m_depthEntire != 0, d.m_depthLight != 0, d.m_depthBottom, d.m_depthTop}, parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    const DepthChoice c = dlg.Choice();
    d.m_depthEntire = c.entire ? 1 : 0;
    d.m_depthLight = c.light ? 1 : 0;
    d.m_depthBottom = static_cast<uint8_t>(c.bottom);
    d.m_depthTop = static_cast<uint8_t>(c.top);
    return view->Edits().SimulateDepth(c);
}
} // namespace EditDialogs
