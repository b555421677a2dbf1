#include "core/view/DocumentIO.h"
#include "core/model/CDaubrixDoc.h"
#include "core/model/CDocumentFile.h"
#include "core/base/AtomicFile.h"
#include "core/base/IHost.h"
#include "core/view/CDaubrixView.h"
#include <new>
#include <span>

namespace {
constexpr const char* kOpenFailed = "Failed to open document.";
constexpr const char* kBadFormat = "Unexpected file format.";
constexpr const char* kSaveFailed = "Failed to save document.";
} // namespace

std::string DocumentTitleFor(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool ReadDocumentFile(const std::string& path, CDaubrixDoc& doc, DocumentBackground* background, bool lowColor,
                      IHost& host)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        host.Message(kOpenFailed, MsgIcon::Exclamation);
        return false;
    }
    std::span<const uint8_t> data(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    if (!CDocumentFile::Read(data, doc, background, lowColor, &host)) {
        host.Message(kBadFormat, MsgIcon::Exclamation);
        return false;
    }
    doc.m_pathName = path;
    doc.m_title = DocumentTitleFor(path);
    doc.SetModifiedFlag(false);
    return true;
}

void ShowOpenedDocument(CDaubrixView& view, DocumentBackground background)
{
    if (view.Doc().m_hasBackgroundImage)
        view.SetBackgroundImage(std::move(background.image), background.x, background.y);
    else
        view.ClearBackgroundImage();
    // New size and content: the view builds its images anew and replays everything.
    view.RecreateImages();
    view.OnInitialUpdate();
}

bool OpenDocumentFile(const std::string& path, CDaubrixDoc& doc, CDaubrixView* view, bool lowColor, IHost& host)
{
    DocumentBackground background;
    if (!ReadDocumentFile(path, doc, view ? &background : nullptr, lowColor, host))
        return false;
    if (view)
        ShowOpenedDocument(*view, std::move(background));
    return true;
}

bool SaveDocumentFile(const std::string& path, CDaubrixDoc& doc, const CDaubrixView* view, IHost& host)
{
    std::vector<uint8_t> bytes;
    try {
        DocumentBackground background;
        if (view) {
            background.image = view->BackgroundImage();
            background.x = view->BackgroundX();
            background.y = view->BackgroundY();
        }
        bytes = CDocumentFile::Write(doc, view ? &background : nullptr, &host);
    } catch (const std::bad_alloc&) {
        host.Message(kSaveFailed, MsgIcon::Exclamation);
        return false;
    }
    if (!WriteFileAtomically(path, bytes)) {
        host.Message(kSaveFailed, MsgIcon::Exclamation);
        return false;
    }
    doc.m_pathName = path;
    doc.m_title = DocumentTitleFor(path);
    doc.SetModifiedFlag(false);
    return true;
}
