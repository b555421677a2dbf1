// The conversion checked against the import rule written out plainly: a window sum per grid
// point, RgbToHsv, a stable sort and one colour test per glob, with no care for speed.
#include "core/commands/ImageImport.h"
#include "core/colour/ColorConversion.h"
#include "core/view/CLongOperation.h"
#include "tests/core/support/DrawingFixture.h"
#include "tests/core/support/PhotoPicture.h"
#include <algorithm>

namespace {

struct Expected {
    std::vector<CGlob> globs;
    std::vector<CColorChange> changes;
    std::vector<int> progress;
    int keyPolls = 0;
};

struct Case {
    const char* name;
    int pictureW, pictureH;
    int shapeSize;       // 0 Small, 1 Medium, 2 Large
    int globSlider, colourSlider;
    bool remove, byBrightness, jitter, strokeFirst;
    int waitingChange = -1;   // a colour change this far beyond the last glob, as files may hold
};

class ImageImportReferenceTest : public DrawingFixture {
protected:
    // A photograph with a flat band in the colour of pixel (0, 0), so that removal has
    // something to remove, partly and wholly.
    static CImage32 Picture(int w, int h)
    {
        CImage32 img = MakePhotoPicture(w, h);
        const Pixel bg = img.At(0, 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w / 5 + y % 7; ++x)
                img.Set(x, y, bg);
        return img;
    }

    Expected Reference(const CImage32& pic, const Case& c, CRandom random)
    {
        struct Sample {
            int x, y, hue, sat, val;
        };
        const int w = pic.Width(), h = pic.Height(), W = doc.Width(), H = doc.Height();
        const int t = std::max((c.shapeSize == 0 ? 7 : c.shapeSize == 1 ? 12 : 18) + 5 - c.globSlider, 2);
        const int half = t / 2, offX = w / 2 - W / 2, offY = h / 2 - H / 2;
        const Pixel bg = pic.At(0, 0) & 0xFFFFFF;
        Expected e;
        std::vector<Sample> samples;
        float p = 0;
        int row = 0;
        for (int y = half; y < h; y += t, ++row) {
            for (int x = row % 2 ? 0 : half; x < w; x += t) {
                if (!(x - offX > -t && x - offX < W + t && y - offY > -t && y - offY < H + t))
                    continue;
                unsigned r = 0, g = 0, b = 0, count = 0, background = 0;
                for (int yy = y - half; yy < y + half; ++yy)
                    for (int xx = x - half; xx < x + half; ++xx) {
                        if (xx < 0 || yy < 0 || xx >= w || yy >= h)
                            continue;
                        const Pixel px = pic.At(xx, yy) & 0xFFFFFF;
                        r += PixelRed(px), g += PixelGreen(px), b += PixelBlue(px);
                        ++count;
                        background += px == bg;
                    }
                if (c.remove && background >= std::max(count / 4, 1u))
                    continue;
                const HsvF hsv = RgbToHsv(static_cast<int>(r / count), static_cast<int>(g / count),
                                          static_cast<int>(b / count));
                samples.push_back({x, y, static_cast<int>(hsv.hue), static_cast<int>(hsv.saturation * 255.0f),
                                   static_cast<int>(hsv.value * 255.0f)});
            }
            p += 50.0f / static_cast<float>(h / t);
            e.progress.push_back(std::min(static_cast<int>(p), 50));
            ++e.keyPolls;
        }
        if (c.byBrightness)
            std::stable_sort(samples.begin(), samples.end(), [](const Sample& a, const Sample& b) { return a.val < b.val; });

        // The document's own rules: a first glob records the colour it is drawn in, and the
        // change in force for a glob is the last one at or before its position.
        const int shape = app.ShapeTable().m_currentShape, start = doc.GetGlobCount();
        e.changes = doc.ColorChanges();
        auto setChange = [&e](const CColorChange& k) {
            auto at = std::lower_bound(e.changes.begin(), e.changes.end(), k,
                                       [](const CColorChange& a, const CColorChange& b) { return a.m_position < b.m_position; });
            if (at != e.changes.end() && at->m_position == k.m_position)
                *at = k;
            else
                e.changes.insert(at, k);
        };
        if (start == 0 && !samples.empty()) {
            const CShape& current = app.CurrentShape();
            setChange(CColorChange(0, current.m_hue, current.m_saturation, current.m_value));
        }
        const int threshold = (10 - c.colourSlider) * 5;
        const size_t n = samples.size();
        for (size_t i = 0; i < n; ++i) {
            const int percent = 50 + static_cast<int>(50 * (i + 1) / n);
            if (e.progress.back() != percent || i == 0)
                e.progress.push_back(percent);
            const Sample& s = samples[i];
            int gx = s.x - offX, gy = s.y - offY;
            if (c.jitter) {
                const int range = 3 * app.Drawing().m_jitterAmount;
                const int r1 = random.Next(), r2 = random.Next();
                gx += r1 % range - r2 % range;
                const int r3 = random.Next(), r4 = random.Next();
                gy += r3 % range - r4 % range;
            }
            if (i % 100 == 0)
                ++e.keyPolls;
            if (gx <= -20 || gx >= W + 20 || gy <= -20 || gy >= H + 20)
                continue;
            e.globs.emplace_back(gx, gy, shape);
            const auto position = static_cast<uint32_t>(start + e.globs.size() - 1);
            auto inForce = std::find_if(e.changes.rbegin(), e.changes.rend(),
                                        [position](const CColorChange& k) { return k.m_position <= position; });
            if (e.globs.size() == 1 || inForce == e.changes.rend() || std::abs(s.hue - inForce->m_hue) > threshold
                || std::abs(s.sat - inForce->m_saturation) > threshold || std::abs(s.val - inForce->m_value) > threshold)
                setChange(CColorChange(position, s.hue, s.sat, s.val));
        }
        return e;
    }
};

} // namespace

TEST_F(ImageImportReferenceTest, GlobsColourChangesAndProgressFollowThePlainRule)
{
    const Case cases[] = {
        // The benchmark's setting: every pixel read, darkest first, the picture overhanging.
        {"small 10", 260, 150, 0, 10, 5, true, true, false, false},
        {"small 10 keep", 201, 99, 0, 10, 10, false, false, false, true},
        // An odd step (windows one pixel narrower) on a smaller picture, after a stroke.
        {"medium 10", 150, 90, 1, 10, 8, true, true, false, true},
        {"medium 5", 230, 130, 1, 5, 1, false, true, false, false},
        // Steps past 20: points at the drawing's edge that the document refuses.
        {"large 1", 250, 150, 2, 1, 3, false, true, false, false},
        {"small 9 jitter", 210, 120, 0, 9, 6, true, true, true, false},
        {"medium 10 change waiting", 150, 90, 1, 10, 5, true, false, false, true, 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.DeleteContents();
        view->OnInitialUpdate();
        app.Drawing().m_jitter = c.jitter;
        if (c.strokeFirst)
            Drag({{20, 20}, {60, 40}});
        if (c.waitingChange >= 0)
            doc.SetColorChange(doc.GetGlobCount() + c.waitingChange, 185, 100, 235);   // a paler sky
        app.ShapeTable().m_currentShape = static_cast<uint8_t>(app.ShapeTable().FindShape('A', c.shapeSize));
        app.Import().m_importGlobCount = c.globSlider;
        app.Import().m_importColorCount = c.colourSlider;
        app.Import().m_importRemoveBackground = c.remove;
        app.Import().m_importOrderFromImage = c.byBrightness;
        app.Import().m_importPreserveColors = 1;
        app.Random().Seed(7);
        host.progress.clear();
        host.keyPolls = 0;

        const CImage32 pic = Picture(c.pictureW, c.pictureH);
        const Expected e = Reference(pic, c, app.Random());
        const size_t before = doc.Globs().size();
        CLongOperation op(host);
        const ImportOutcome o = ConvertImageToGlobs(*view, pic, op);

        EXPECT_FALSE(o.samplingCancelled || o.placingCancelled);
        EXPECT_EQ(o.placed, static_cast<int>(e.globs.size()));
        ASSERT_GT(e.globs.size(), 20u);
        const std::vector<CGlob> added(doc.Globs().begin() + static_cast<long>(before), doc.Globs().end());
        EXPECT_EQ(added, e.globs);
        EXPECT_EQ(doc.ColorChanges(), e.changes);
        EXPECT_EQ(host.progress, e.progress);
        EXPECT_EQ(host.keyPolls, e.keyPolls);
        EXPECT_EQ(view->ShownCount(), doc.GetGlobCount());
    }
}
