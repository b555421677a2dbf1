#include "core/commands/ImageCommands.h"
#include "core/imaging/ImageFile.h"
#include "core/imaging/JpegFile.h"
#include "core/imaging/PackedDib.h"
#include "core/imaging/PngFile.h"
#include "core/settings/CImageSettings.h"
#include "core/view/CDaubrixView.h"
#include "core/view/IImageDialogs.h"
#include <algorithm>

namespace {
constexpr const char* kBmpFailed = "Error writing BMP";
constexpr const char* kJpgFailed = "Error writing JPG";
constexpr const char* kPngFailed = "Error writing PNG";
constexpr const char* kUnknownKind =
    "The image was not saved: give the file name the extension .bmp for a BMP image, .jpg for a JPEG image or .png for a PNG image.";
constexpr const char* kReadFailed = "error reading file.";

// Holds the wait cursor for the life of a scope.
class WaitCursor {
public:
    explicit WaitCursor(IHost& host) : m_host(host) { m_host.BeginWaitCursor(); }
    ~WaitCursor() { m_host.EndWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    IHost& m_host;
};
} // namespace

ImageFileKind ImageFileKindFor(const std::string& path)
{
    const std::string ext = LowerExtension(path);
    if (ext == "bmp")
        return ImageFileKind::Bmp;
    if (ext == "jpg" || ext == "jpeg")
        return ImageFileKind::Jpeg;
    if (ext == "png")
        return ImageFileKind::Png;
    return ImageFileKind::Unknown;
}

FileResult WriteDrawingImage(const std::string& path, const CImage32& image, int quality)
{
    FileResult result;
    switch (ImageFileKindFor(path)) {
    case ImageFileKind::Bmp: {
        std::string why;
        if (!SaveBitmapAsBmp(path, image, &why))
            result.Fail(FileReason::CannotWrite, why);
        return result;
    }
    case ImageFileKind::Jpeg:
        result = WriteJpegFile(path, std::clamp(quality, 1, 100), image);
        if (!result)
            result.Fail(FileReason::CannotWrite);
        return result;
    case ImageFileKind::Png:
        result = WritePngFile(path, image);
        if (!result && !result.Has(FileReason::CannotWrite))
            result.Fail(FileReason::CannotWrite);
        return result;
    case ImageFileKind::Unknown: break;
    }
    return result.Fail(FileReason::NotThisKind);
}

FileWording SaveImageWording(const std::string& path)
{
    FileWording w;
    const ImageFileKind kind = ImageFileKindFor(path);
    w.cannotWrite = {kind == ImageFileKind::Bmp ? kBmpFailed : kind == ImageFileKind::Png ? kPngFailed : kJpgFailed,
                     MsgIcon::Stop};
    w.notThisKind = {kUnknownKind, MsgIcon::Exclamation};
    return w;
}

bool SaveDrawingImage(const std::string& path, const CImage32& image, int quality, IHost& host)
{
    if (ImageFileKindFor(path) == ImageFileKind::Unknown) {
        ShowFileMessages(FileResult{}.Fail(FileReason::NotThisKind), host, SaveImageWording(path));
        return false;
    }
    FileResult result;
    {
        // What the writer met is told under the wait cursor; the command's own word after it.
        WaitCursor wait(host);
        result = WriteDrawingImage(path, image, quality);
        ShowFileMessages(result, host);
    }
    if (!result)
        ShowFileMessages(FileResult{}.Fail(FileReason::CannotWrite, result.TextOf(FileReason::CannotWrite)), host,
                         SaveImageWording(path));
    return result.ok;
}

void SaveImageCommand(IHost& host, CImageSettings& imaging, CDaubrixView& view, IImageDialogs& dialogs)
{
    const std::string path = dialogs.AskSaveImagePath(imaging.m_lowColor != 0);
    if (path.empty())
        return;
    int quality = 100;
    if (ImageFileKindFor(path) == ImageFileKind::Jpeg) {
        int position = std::clamp(imaging.m_jpegQuality, 1, 20);
        if (!dialogs.AskJpegQuality(position))
            return;
        imaging.m_jpegQuality = std::clamp(position, 1, 20);
        quality = 5 * imaging.m_jpegQuality;
    }
    SaveDrawingImage(path, view.DrawingImage(), quality, host);
}

bool ApplyBackground(CDaubrixView& view, const CImage32& loaded, BackgroundSizing sizing, IHost& host)
{
    CDaubrixDoc& doc = view.Doc();
    bool applied = false;
    {
        WaitCursor wait(host);
        const CImage32 sized = SizeBackground(loaded, doc.Width(), doc.Height(), sizing);
        view.ClearBackgroundImage();
        doc.SetHasBackgroundImage(0);
        doc.SetBackgroundJpeg({});
        CImage32 stored;
        FileResult coded = FileResult{}.Fail();
        if (!sized.IsNull()) {
            std::vector<uint8_t> jpeg;
            coded = JpegRoundTrip(sized, stored, jpeg);
            doc.SetBackgroundJpeg(std::move(jpeg));
            ShowFileMessages(coded, host);
        }
        if (coded) {
            const int x = BackgroundOffset(doc.Width(), stored.Width());
            const int y = BackgroundOffset(doc.Height(), stored.Height());
            view.SetBackgroundImage(std::move(stored), x, y);
            doc.SetHasBackgroundImage(1);
            applied = true;
        }
        // Rebuilt also on failure: the old background is gone and must not stay on screen.
        view.RebuildUndoImage();
        // Below the undo image a redraw from it would show the bare background.
        view.RestoreTo(view.ShownCount());
    }
    doc.SetModifiedFlag();
    return applied;
}

void LoadBackgroundCommand(IHost& host, CImageSettings& imaging, CDaubrixView& view, IImageDialogs& dialogs)
{
    if (imaging.m_lowColor)
        return;
    const std::string path = dialogs.AskBackgroundPath();
    if (path.empty())
        return;
    CImage32 loaded;
    bool ok;
    {
        WaitCursor wait(host);
        const FileResult read = LoadImageFile(path, loaded);
        // Only the reader's own notes; the failure itself has one word below.
        ShowFileMessages(read, host);
        ok = read.ok;
    }
    if (!ok) {
        host.Message(kReadFailed, MsgIcon::Stop);
        return;
    }
    BackgroundSizing sizing = LastBackgroundSizing(imaging);
    if (!dialogs.AskBackgroundSizing(sizing))
        return;
    StoreBackgroundSizing(imaging, sizing);
    ApplyBackground(view, loaded, sizing, host);
}

void RemoveBackgroundCommand(CDaubrixView& view)
{
    view.ClearBackgroundImage();
    view.Doc().SetHasBackgroundImage(0);
    view.Doc().SetBackgroundJpeg({});
    view.RebuildUndoImage();
    view.RestoreTo(view.ShownCount());
    view.Doc().SetModifiedFlag();
}

BackgroundSizing LastBackgroundSizing(const CImageSettings& imaging)
{
    if (imaging.m_backgroundFit)
        return BackgroundSizing::Fit;
    if (imaging.m_backgroundSquash)
        return BackgroundSizing::SquashStretch;
    return BackgroundSizing::Normal;
}

void StoreBackgroundSizing(CImageSettings& imaging, BackgroundSizing sizing)
{
    imaging.m_backgroundFit = sizing == BackgroundSizing::Fit ? 1 : 0;
    imaging.m_backgroundSquash = sizing == BackgroundSizing::SquashStretch ? 1 : 0;
}
