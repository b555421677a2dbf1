#include "core/view/CImportReplay.h"
#include "core/view/CLongOperation.h"

namespace {
constexpr const char* kImportStatus = "Drawing after importing image,   Press ESC to cancel...";
constexpr const char* kCancelQuestion = "Cancel Image Import?";
constexpr const char* kImportCancelled =
    "The imported globs are still present in the drawing,\n"
    "but will be deleted when a new glob is added.  To\n"
    "make the globs appear, move the drawing history\n"
    "slider to the right.\n";
} // namespace

const char* CImportReplay::CancelledText()
{
    return kImportCancelled;
}

void CImportReplay::Start(CLongOperation& op, int shown)
{
    m_op = &op;
    m_shown = shown;
    op.SetStatus(kImportStatus);
}

bool CImportReplay::Continue(int position)
{
    // Polling the queue for every glob would slow the replay down.
    if ((m_shown - position) % 100 != 0)
        return true;
    if (m_op && m_op->CheckEscape(kCancelQuestion)) {
        m_cancelled = true;
        return false;
    }
    return true;
}

bool CImportReplay::Finish()
{
    const bool cancelled = m_cancelled;
    m_importDrawing = m_cancelled = false;
    m_op = nullptr;
    return cancelled;
}
