#include "core/view/ImageImport.h"
#include "core/colour/AutoColor.h"
#include "core/imaging/ImageFile.h"
#include "core/imaging/ImportSampler.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/view/CLongOperation.h"
#include "core/view/FileMessages.h"
#include "core/view/IImportDialogs.h"
#include <algorithm>
#include <cstdlib>

namespace {
constexpr const char* kConverting = "Converting image to globs.    Press ESC to cancel...";
constexpr const char* kCancelQuestion = "Cancel Image Import?";
constexpr const char* kReadFailed = "error reading file.";

// Differs from the colour in force by more than the threshold in any component.
bool Differs(const CColorChange& c, const ImportSample& s, int threshold)
{
    return std::abs(s.hue - c.m_hue) > threshold || std::abs(s.saturation - c.m_saturation) > threshold
        || std::abs(s.value - c.m_value) > threshold;
}

// Places the ordered samples; false when the user cancelled.
class CPlacement {
public:
    CPlacement(CDaubrixView& view, CLongOperation& op, int offX, int offY)
        : m_view(view), m_app(view.App()), m_doc(view.Doc()), m_op(op), m_offX(offX), m_offY(offY),
          m_settings(view.App().m_import)
    {
    }

    bool Run(const std::vector<ImportSample>& samples, int& placed)
    {
        const size_t n = samples.size();
        int shown = -1;
        for (size_t i = 0; i < n; ++i) {
            // Counted, not summed: millions of small float steps would stall below 100.
            const int percent = 50 + static_cast<int>(50 * (i + 1) / n);
            // The pane is only touched when the number it shows changes.
            if (percent != shown)
                m_op.ShowPercent(shown = percent);
            if (Place(samples[i]))
                ++placed;
            if (i % 100 == 0 && m_op.CheckEscape(kCancelQuestion))
                return false;
        }
        return true;
    }

private:
    bool Place(const ImportSample& s)
    {
        int gx = s.x - m_offX, gy = s.y - m_offY;
        if (m_app.m_drawing.m_jitter) {
            // Once per glob, not repeated as in strokes.
            const int range = 3 * std::max<int>(m_app.m_drawing.m_jitterAmount, 1);
            const int r1 = m_app.m_random.Next(), r2 = m_app.m_random.Next();
            gx += r1 % range - r2 % range;
            const int r3 = m_app.m_random.Next(), r4 = m_app.m_random.Next();
            gy += r3 % range - r4 % range;
        }
        if (!m_doc.AddGlob(gx, gy))
            return false;
        m_view.GlobsAppended(1);
        const int g = m_doc.GetGlobCount();
        if (m_settings.m_importPreserveColors)
            KeepPictureColour(s, g);
        else
            m_view.Stroke().StepColor(g - 1);
        m_first = false;
        return true;
    }

    void KeepPictureColour(const ImportSample& s, int g)
    {
        const int threshold = (10 - std::clamp(m_settings.m_importColorCount, 1, 10)) * 5;
        // The first glob of the import always takes its own colour: the colour in force before
        // it may belong to another shape, or to the drawing's past.
        const CColorChange* inForce = m_first ? nullptr : m_doc.GetColorChange(m_doc.FindColorChangeBefore(g));
        if (!inForce || Differs(*inForce, s, threshold))
            m_doc.SetColorChange(g - 1, s.hue, s.saturation, s.value);
    }

    CDaubrixView& m_view;
    CDaubrixApp& m_app;
    CDaubrixDoc& m_doc;
    CLongOperation& m_op;
    int m_offX, m_offY;
    const CImportSettings& m_settings;
    bool m_first = true;
};

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
    const CImportSettings& s = app.m_import;
    const CDaubrixDoc& doc = view.Doc();

    ImportGrid grid;
    grid.drawingWidth = doc.m_width;
    grid.drawingHeight = doc.m_height;
    const std::string& shapeName = app.ShapeTable().m_shapeNames[app.ShapeTable().m_currentShape];
    grid.step = ImportGridStep(shapeName.size() > 2 ? shapeName[2] : '1', std::clamp(s.m_importGlobCount, 1, 10));
    grid.removeBackground = s.m_importRemoveBackground != 0;
    grid.wantColour = s.m_importPreserveColors || s.m_importOrderFromImage;

    std::vector<ImportSample> samples;
    const ImportSampling sampling = CollectImportSamples(picture, grid, samples, [&op](int percent) {
        op.ShowPercent(percent);
        return !op.CheckEscape(kCancelQuestion);
    });
    if (sampling.outOfMemory)
        app.Host().Message("Out of Memory", MsgIcon::Stop);
    if (sampling.cancelled) {
        outcome.samplingCancelled = true;
        return outcome;
    }
    if (s.m_importOrderFromImage)
        OrderByBrightness(samples);
    outcome.samples = static_cast<int>(samples.size());

    // The current colour takes effect from the first imported glob, as at a stroke's start.
    if (!s.m_importPreserveColors)
        view.Stroke().RecordColorIfChanged();
    CPlacement placement(view, op, ImportOffset(picture.Width(), doc.m_width),
                         ImportOffset(picture.Height(), doc.m_height));
    outcome.placingCancelled = !placement.Run(samples, outcome.placed);
    if (!s.m_importPreserveColors && AnyAutoColor(app))
        view.Observer().StrokeEnded();
    view.BeginImportDrawing();
    if (outcome.placingCancelled)
        view.CancelImportDrawing();
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
    view.BeginImport();

    CImage32 picture;
    const FileResult read = LoadImageFile(path, picture);
    if (read) {
        // Only one picture is held at a time: a large one costs a gigabyte.
        const BackgroundSizing sizing = ImportSizing(app.m_import);
        if (sizing != BackgroundSizing::Normal)
            picture = SizeImportPicture(picture, doc.m_width, doc.m_height, sizing);
        outcome = ConvertImageToGlobs(view, picture, op);
        doc.AddSection(doc.GetGlobCount());
        view.ShowAddedGlobs(0);
        view.NotifyHistoryChanged();
    } else {
        // The reader's own reasons first, then the command's word for the failure.
        ShowFileMessages(read, host);
        host.Message(kReadFailed, MsgIcon::Stop);
        outcome.read = false;
    }
    op.End();
    return outcome;
}

void ImportImageCommand(CDaubrixApp& app, CDaubrixView& view, IImportDialogs& dialogs)
{
    const std::string path = dialogs.AskImportPath();
    if (path.empty())
        return;
    CImportSettings settings = app.m_import;
    if (!dialogs.AskImportSettings(settings))
        return;
    app.m_import = settings;
    ImportImageFile(view, path);
}
