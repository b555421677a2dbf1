#include "core/commands/ImageImport.h"
#include "core/settings/CAutoChange.h"
#include "core/imaging/CImportSampleStore.h"
#include "core/imaging/ImageFile.h"
#include "core/imaging/ImportSampler.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/view/CImportPlacement.h"
#include "core/view/CLongOperation.h"
#include "core/commands/FileMessages.h"
#include "core/view/IImportDialogs.h"
#include <algorithm>

namespace {
constexpr const char* kConverting = "Converting image to globs.    Press ESC to cancel...";
const std::string kCancelQuestion = "Cancel Image Import?";
constexpr const char* kReadFailed = "error reading file.";
} // namespace

BackgroundSizing ImportSizing(const CImportSettings& s)
{
    if (s.m_importFit)
        return BackgroundSizing::Fit;
    if (s.m_importSquash)
        return BackgroundSizing::SquashStretch;
    return BackgroundSizing::Normal;
}

void StoreImportSizing(CImportSettings& s, BackgroundSizing sizing)
{
    s.m_importFit = sizing == BackgroundSizing::Fit ? 1 : 0;
    s.m_importSquash = sizing == BackgroundSizing::SquashStretch ? 1 : 0;
}

CImage32 SizeImportPicture(const CImage32& picture, int drawingW, int drawingH, BackgroundSizing sizing)
{
    if (sizing == BackgroundSizing::Normal || picture.IsNull())
        return picture;
    // Nothing is cropped: the drawing clips the globs instead.
    const BackgroundLayout l =
        ComputeBackgroundLayout(picture.Width(), picture.Height(), drawingW, drawingH, sizing);
    return StretchNearest(picture, l.width, l.height);
}

ImportOutcome ConvertImageToGlobs(CDaubrixView& view, const CImage32& picture, CLongOperation& op)
{
    ImportOutcome outcome;
    CDaubrixApp& app = view.App();
    const CImportSettings& s = app.Import();
    const CDaubrixDoc& doc = view.Doc();

    ImportGrid grid;
    grid.drawingWidth = doc.Width();
    grid.drawingHeight = doc.Height();
    const std::string& shapeName = app.ShapeTable().m_shapeNames[app.ShapeTable().m_currentShape];
    grid.step = ImportGridStep(shapeName.size() > 2 ? shapeName[2] : '1', std::clamp(s.m_importGlobCount, 1, 10));
    grid.removeBackground = s.m_importRemoveBackground != 0;
    grid.wantColour = s.m_importPreserveColors || s.m_importOrderFromImage;

    CImportSampleStore samples(s.m_importOrderFromImage != 0);
    const ImportSampling sampling = SampleImportRows(
        picture, grid,
        [&samples](std::span<const ImportSample> row) {
            bool all = true;
            for (const ImportSample& one : row)
                all &= samples.Add(one);
            return all;
        },
        [&op](int percent) {
            op.ShowPercent(percent);
            return !op.CheckEscape(kCancelQuestion);
        });
    if (sampling.outOfMemory)
        app.Host().Message("Out of Memory", MsgIcon::Stop);
    if (sampling.cancelled) {
        outcome.samplingCancelled = true;
        return outcome;
    }
    outcome.samples = static_cast<int>(samples.Size());

    // The current colour takes effect from the first imported glob, as at a stroke's start.
    if (!s.m_importPreserveColors)
        view.Stroke().RecordColorIfChanged();
    CImportPlacement placement(view, op, ImportOffset(picture.Width(), doc.Width()),
                               ImportOffset(picture.Height(), doc.Height()), kCancelQuestion);
    outcome.placingCancelled = !placement.Run(samples);
    outcome.placed = placement.Placed();
    if (!s.m_importPreserveColors && app.AutoChange().Any())
        view.Observer().StrokeEnded();
    // A cancelled placement is hidden by the caller at once: a later paint could meet other
    // commands' steps recorded in between.
    if (!outcome.placingCancelled)
        view.BeginImportDrawing();
    return outcome;
}

ImportOutcome ImportImageFile(CDaubrixView& view, const std::string& path)
{
    CDaubrixApp& app = view.App();
    CDaubrixDoc& doc = view.Doc();
    IHost& host = app.Host();
    ImportOutcome outcome;
    CLongOperation op(host);
    op.BeginWait();
    op.SetStatus(kConverting);

    // Read first: a picture that cannot be read leaves the hidden globs where they are.
    CImage32 picture;
    const FileResult read = LoadImageFile(path, picture);
    // What the reader met (a damaged picture read as far as it goes) before the globs come.
    ShowFileMessages(read, host);
    if (read) {
        view.BeginImport();
        // Only one picture is held at a time: a large one costs a gigabyte.
        const BackgroundSizing sizing = ImportSizing(app.Import());
        if (sizing != BackgroundSizing::Normal)
            picture = SizeImportPicture(picture, doc.Width(), doc.Height(), sizing);
        outcome = ConvertImageToGlobs(view, picture, op);
        doc.AddSection(doc.GetGlobCount());
        // Even a cancelled import has moved the sections a save writes.
        doc.SetModifiedFlag();
        view.ShowAddedGlobs(0);
        view.NotifyHistoryChanged();
    } else {
        // The reader's own reasons first, then the command's word for the failure.
        host.Message(kReadFailed, MsgIcon::Stop);
        outcome.read = false;
    }
    op.End();
    if (outcome.placingCancelled)
        view.HideCancelledImport();
    return outcome;
}

void ImportImageCommand(CDaubrixApp& app, CDaubrixView& view, IImportDialogs& dialogs)
{
    if (view.ButtonHeld())
        return;
    const std::string path = dialogs.AskImportPath();
    if (path.empty())
        return;
    CImportSettings settings = app.Import();
    if (!dialogs.AskImportSettings(settings))
        return;
    app.Import() = settings;
    ImportImageFile(view, path);
}
