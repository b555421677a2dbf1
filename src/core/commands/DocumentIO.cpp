#include "core/commands/DocumentIO.h"
#include "core/model/CDaubrixDoc.h"
#include "core/model/CDocumentFile.h"
#include "core/base/AtomicFile.h"
#include "core/view/CDaubrixView.h"
#include <new>
#include <span>

const FileWording& DocumentWording()
{
    static const FileWording wording{{"Failed to open document.", MsgIcon::Exclamation},
                                     {"Failed to save document.", MsgIcon::Exclamation},
                                     {"Unexpected file format.", MsgIcon::Exclamation}};
    return wording;
}

std::string DocumentTitleFor(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

FileResult ReadDocument(const std::string& path, CDaubrixDoc& doc, DocumentBackground* background, bool lowColor)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return FileResult{}.Fail(FileReason::CannotRead);
    std::span<const uint8_t> data(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    FileResult result = CDocumentFile::Read(data, doc, background, lowColor);
    if (!result)
        return result;
    doc.SetPathName(path);
    doc.SetTitle(DocumentTitleFor(path));
    doc.SetModifiedFlag(false);
    return result;
}

bool ReadDocumentFile(const std::string& path, CDaubrixDoc& doc, DocumentBackground* background, bool lowColor,
                      IHost& host)
{
    const FileResult result = ReadDocument(path, doc, background, lowColor);
    ShowFileMessages(result, host, DocumentWording());
    return result.ok;
}

void ShowOpenedDocument(CDaubrixView& view, DocumentBackground background)
{
    if (view.Doc().HasBackgroundImage())
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

FileResult DocumentBytes(CDaubrixDoc& doc, const CDaubrixView* view, std::vector<uint8_t>& bytes)
{
    FileResult result;
    try {
        DocumentBackground background;
        if (view) {
            background.image = view->BackgroundImage();
            background.x = view->BackgroundX();
            background.y = view->BackgroundY();
        }
        // What the user sees is what is kept: a pending Clear saves the empty drawing, while
        // Undo Clear still has the globs in memory.
        result = CDocumentFile::Write(doc, view ? &background : nullptr, bytes, view && view->ClearPending());
    } catch (const std::bad_alloc&) {
        return result.Fail(FileReason::CannotWrite);
    }
    return result;
}

FileResult SaveDocument(const std::string& path, CDaubrixDoc& doc, const CDaubrixView* view)
{
    std::vector<uint8_t> bytes;
    FileResult result = DocumentBytes(doc, view, bytes);
    if (!result)
        return result;
    std::string why;
    if (!WriteFileAtomically(path, bytes, &why))
        return result.Fail(FileReason::CannotWrite, why);
    doc.SetPathName(path);
    doc.SetTitle(DocumentTitleFor(path));
    doc.SetModifiedFlag(false);
    return result;
}

bool SaveDocumentFile(const std::string& path, CDaubrixDoc& doc, const CDaubrixView* view, IHost& host)
{
    const FileResult result = SaveDocument(path, doc, view);
    ShowFileMessages(result, host, DocumentWording());
    return result.ok;
}
