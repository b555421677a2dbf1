#include "app/shell/CAutoSaver.h"
#include "app/shell/CChildFrame.h"
#include "app/shell/CMainFrame.h"
#include "app/view/CDrawingWidget.h"
#include "core/shell/CDaubrixApp.h"
#include "core/commands/DocumentIO.h"
#include <QApplication>
#include <string_view>
#include <unistd.h>

namespace {
constexpr std::chrono::milliseconds kRetry{1000};

size_t HashOf(const std::vector<uint8_t>& bytes)
{
    const size_t h = std::hash<std::string_view>{}(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return h ? h : 1;
}
} // namespace

CAutoSaver::CAutoSaver(CMainFrame& frame, CDaubrixApp& app, const std::string& folder)
    : QObject(&frame), m_frame(frame), m_app(app), m_store(folder, static_cast<int>(getpid()))
{
    m_store.ClaimFolder();
    connect(&m_timer, &QTimer::timeout, this, &CAutoSaver::SaveNow);
    m_retry.setSingleShot(true);
    m_retry.setInterval(kRetry);
    connect(&m_retry, &QTimer::timeout, this, &CAutoSaver::SaveNow);
    connect(&frame, &CMainFrame::childAdded, this, &CAutoSaver::Track);
    connect(&frame, &CMainFrame::documentSaved, this, [this](CChildFrame* c) {
        if (auto it = m_copies.find(c); it != m_copies.end() && it->second.hash) {
            m_store.Drop(it->second.id);
            it->second.hash = 0;
        }
    });
    connect(&frame, &CMainFrame::preferencesChanged, this, [this, &app] { SetMinutes(app.Shell().m_autoSaveMinutes); });
    for (CChildFrame* c : frame.Children())
        Track(c);
    SetMinutes(app.Shell().m_autoSaveMinutes);
}

CAutoSaver::~CAutoSaver()
{
    // Drawings still open now were not closed by the user (the session ended under them):
    // their copies stay for the next start.
    if (!m_leftOpen && m_copies.empty())
        m_store.DropAll();
}

void CAutoSaver::SetMinutes(int minutes)
{
    // A timer takes an int of milliseconds; a day is as rare as anyone needs.
    const int capped = std::min(minutes, 24 * 60);
    SetInterval(std::chrono::minutes(std::max(0, capped)));
}

void CAutoSaver::SetInterval(std::chrono::milliseconds interval)
{
    if (interval.count() <= 0) {
        m_timer.stop();
        m_retry.stop();
        return;
    }
    m_timer.start(interval);
}

void CAutoSaver::Track(CChildFrame* child)
{
    m_copies[child] = Copy{m_nextId++, 0};
    connect(child, &CChildFrame::closeAccepted, this, [this, child] { Forget(child, true); });
    connect(child, &QObject::destroyed, this, [this, child] { Forget(child, false); });
    // A copy that waited for the stroke is made as soon as the button is let go.
    connect(&child->DrawingWidget(), &CDrawingWidget::commandsChanged, this, [this] {
        if (m_retry.isActive())
            SaveNow();
    });
}

void CAutoSaver::Forget(CChildFrame* child, bool dropCopy)
{
    auto it = m_copies.find(child);
    if (it == m_copies.end())
        return;
    if (dropCopy)
        m_store.Drop(it->second.id);
    else if (it->second.hash)
        m_leftOpen = true;
    m_copies.erase(it);
}

bool CAutoSaver::Busy() const
{
    // A wait cursor means a long operation is running (it lets timers in while it looks for ESC).
    if (QApplication::overrideCursor())
        return true;
    for (const auto& [child, copy] : m_copies)
        if (child->View().Stroke().m_buttonDown)
            return true;
    return false;
}

bool CAutoSaver::Keep(CChildFrame& child, Copy& copy)
{
    std::vector<uint8_t> bytes;
    if (!DocumentBytes(child.Doc(), &child.View(), bytes))
        return false;
    const size_t hash = HashOf(bytes);
    if (hash == copy.hash)
        return true;
    const CDaubrixDoc& doc = child.Doc();
    if (!m_store.Keep(copy.id, doc.PathName(), doc.Title(), bytes)) {
        m_app.Unwritten().Note(m_store.Folder(), "the copies of unsaved drawings kept against a crash");
        return false;
    }
    copy.hash = hash;
    return true;
}

bool CAutoSaver::SaveNow()
{
    if (Busy()) {
        ++m_postponed;
        m_retry.start();
        return false;
    }
    m_retry.stop();
    bool all = true;
    for (auto& [child, copy] : m_copies) {
        if (child->Doc().IsModified()) {
            all = Keep(*child, copy) && all;
        } else if (copy.hash) {
            m_store.Drop(copy.id);
            copy.hash = 0;
        }
    }
    return all;
}

int CAutoSaver::OfferRecovery()
{
    const std::vector<CRecoveryStore::Orphan> orphans = m_store.FindOrphans();
    if (orphans.empty())
        return 0;
    const std::string question = "Recover " + std::to_string(orphans.size()) + " unsaved drawings?";
    if (!m_app.Host().AskYesNo(question)) {
        m_store.DropOrphans();
        return 0;
    }
    int opened = 0;
    for (const CRecoveryStore::Orphan& o : orphans) {
        // The file may be open already (named on the command line): two windows saving to one
        // file would overwrite each other, so the copy then comes back as never saved.
        const bool taken = !o.path.empty() && m_frame.ChildShowing(QString::fromStdString(o.path));
        if (!m_frame.m_openDocument || !m_frame.m_openDocument(QString::fromStdString(o.file)))
            continue;
        CChildFrame* child = m_frame.ActiveChild();
        CDaubrixDoc& doc = child->Doc();
        // Back under its own name, or a fresh one of this run when it was never saved.
        doc.SetPathName(taken ? std::string() : o.path);
        doc.SetTitle(doc.PathName().empty() ? m_frame.NextTitle().toStdString() : DocumentTitleFor(o.path));
        doc.SetModifiedFlag(true);
        m_frame.DocumentRenamed(*child);
        ++opened;
    }
    // The old copies go only once this run holds its own.
    if (SaveNow())
        m_store.DropOrphans();
    m_frame.UpdateCommands();
    return opened;
}
