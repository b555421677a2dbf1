#include "cli/ImportCommand.h"
#include "cli/CliSession.h"
#include "core/settings/CAutoChange.h"
#include "core/shapes/ShapeFamily.h"
#include "core/commands/DocumentIO.h"
#include "core/commands/ImageImport.h"
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>

const char* const kImportHelp =
    "\n"
    "usage: daubrix-cli import IMAGE OUT.dbx [--into DRAWING.dbx | --size WxH]\n"
    "                          [--background-colour R,G,B] [--shape FAMILY[:small|medium|large]]\n"
    "                          [--colour H,S,V] [--globs 1..10] [--colours 1..10]\n"
    "                          [--order grid|brightness] [--keep-background|--remove-background]\n"
    "                          [--fit|--squash|--normal] [--jitter AMOUNT] [--seed N]\n"
    "                          [--new-colours [--auto-hue SPEED[:MODE]] [--auto-sat SPEED[:MODE]]\n"
    "                                         [--auto-val SPEED[:MODE]]]\n"
    "import  turns a BMP, JPEG or PNG picture into globs of one shape, exactly as the program's\n"
    "        Image > Import does, and writes the drawing. Defaults are the Import Image\n"
    "        dialog's: picture colours, brightness order, background removed, 'Number of\n"
    "        globs' 5, colours 5, the picture at its own size, centred; no jitter.\n"
    "        --into D             append to drawing D (OUT.dbx may be D itself) instead of\n"
    "                             starting a new one\n"
    "        --size WxH           the new drawing's size (default 640x480)\n"
    "        --background-colour  the new drawing's background, R,G,B 0..255 (default 0,0,0)\n"
    "        --shape F[:S]        a family's letter or its shape files' name, e.g. A or ball,\n"
    "                             and its size (default medium)\n"
    "        --colour H,S,V       the current colour (default 0,255,255)\n"
    "        --globs N            'Number of globs' slider, 1 fewer .. 10 more\n"
    "        --colours N          colour slider, 1 fewer .. 10 more (picture colours only)\n"
    "        --order O            grid: row by row; brightness: darkest first\n"
    "        --keep-background / --remove-background  keep or skip the picture's background\n"
    "        --fit / --squash / --normal  fit the drawing, fill it, or keep the picture's size\n"
    "        --jitter AMOUNT      move each glob at random by up to 3 x AMOUNT - 1 (1..255)\n"
    "        --seed N             start the random numbers at N (default: from the clock)\n"
    "        --new-colours        the current colour instead of the picture's, drifting with:\n"
    "        --auto-hue/--auto-sat/--auto-val SPEED[:MODE]  speed 1..10; MODE up, down,\n"
    "                             updown, downup or random (default up for hue, updown for\n"
    "                             the others)\n"
    "        Then 'daubrix-cli render OUT.dbx OUT.png' shows the result.\n";

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;

int Usage(const std::string& problem)
{
    return CliUsage(problem, kImportHelp);
}

// "a,b,c" (or "axb" with sep 'x') with each part in lo..hi.
bool Numbers(const std::string& text, char sep, long lo, long hi, std::vector<int>& out, size_t count)
{
    out.clear();
    size_t at = 0;
    while (out.size() < count) {
        const size_t end = out.size() + 1 == count ? text.size() : text.find(sep, at);
        if (end == std::string::npos)
            return false;
        const auto v = CliNumber(text.substr(at, end - at), lo, hi);
        if (!v)
            return false;
        out.push_back(*v);
        at = end + 1;
    }
    return true;
}

struct AutoChoice {
    ColorComponent component;
    int speed;
    int mode;
};

std::optional<int> AutoMode(const std::string& name)
{
    static const std::pair<const char*, int> modes[] = {
        {"up", kAutoUp}, {"down", kAutoDown}, {"updown", kAutoUpDown}, {"downup", kAutoDownUp}, {"random", kAutoRandom}};
    for (const auto& [n, m] : modes)
        if (name == n)
            return m;
    return std::nullopt;
}

struct ImportOptions {
    std::vector<std::string> files;
    std::string into;
    int width = 640, height = 480;
    bool sizeGiven = false, backgroundGiven = false;
    ColorRef background = 0;
    std::string shape;
    int shapeSize = 1;
    std::optional<HsvColor> colour;
    CImportSettings settings;
    int jitter = 0;
    std::optional<int> seed;
    std::vector<AutoChoice> autos;
};

// Parses the options; an empty string when they are good, else the problem.
std::string Parse(const std::vector<std::string>& args, ImportOptions& o)
{
    CImportSettings& s = o.settings;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool takesValue = a == "--into" || a == "--size" || a == "--background-colour" || a == "--shape"
            || a == "--colour" || a == "--globs" || a == "--colours" || a == "--order" || a == "--jitter"
            || a == "--seed" || a == "--auto-hue" || a == "--auto-sat" || a == "--auto-val";
        if (takesValue && i + 1 >= args.size())
            return a + " needs a value";
        const std::string v = takesValue ? args[++i] : std::string();
        std::vector<int> n;
        if (a == "--into") {
            o.into = v;
        } else if (a == "--size") {
            if (!Numbers(v, 'x', 1, 16384, n, 2))
                return "--size takes WxH, each 1..16384";
            o.width = n[0];
            o.height = n[1];
            o.sizeGiven = true;
        } else if (a == "--background-colour") {
            if (!Numbers(v, ',', 0, 255, n, 3))
                return "--background-colour takes R,G,B, each 0..255";
            o.background = MakeColorRef(n[0], n[1], n[2]);
            o.backgroundGiven = true;
        } else if (a == "--shape") {
            const size_t colon = v.find(':');
            o.shape = v.substr(0, colon);
            const std::string size = colon == std::string::npos ? "medium" : v.substr(colon + 1);
            o.shapeSize = size == "small" ? 0 : size == "medium" ? 1 : size == "large" ? 2 : -1;
            if (o.shape.empty() || o.shapeSize < 0)
                return "--shape takes FAMILY or FAMILY:small, :medium or :large";
        } else if (a == "--colour") {
            if (!Numbers(v, ',', 0, 360, n, 3) || n[1] > 255 || n[2] > 255)
                return "--colour takes H,S,V: hue 0..360, saturation and value 0..255";
            o.colour = HsvColor{static_cast<int16_t>(n[0]), static_cast<uint8_t>(n[1]), static_cast<uint8_t>(n[2])};
        } else if (a == "--globs" || a == "--colours") {
            const auto x = CliNumber(v, 1, 10);
            if (!x)
                return a + " takes 1..10";
            (a == "--globs" ? s.m_importGlobCount : s.m_importColorCount) = *x;
        } else if (a == "--order") {
            if (v != "grid" && v != "brightness")
                return "--order takes grid or brightness";
            s.m_importOrderFromImage = v == "brightness";
        } else if (a == "--keep-background" || a == "--remove-background") {
            s.m_importRemoveBackground = a == "--remove-background";
        } else if (a == "--fit" || a == "--squash" || a == "--normal") {
            StoreImportSizing(s, a == "--fit"      ? BackgroundSizing::Fit
                                 : a == "--squash" ? BackgroundSizing::SquashStretch
                                                   : BackgroundSizing::Normal);
        } else if (a == "--jitter") {
            const auto x = CliNumber(v, 1, 255);
            if (!x)
                return "--jitter takes 1..255";
            o.jitter = *x;
        } else if (a == "--seed") {
            const auto x = CliNumber(v, 0, 2147483647L);
            if (!x)
                return "--seed takes a number of 0 or more";
            o.seed = *x;
        } else if (a == "--new-colours") {
            s.m_importPreserveColors = 0;
        } else if (a == "--auto-hue" || a == "--auto-sat" || a == "--auto-val") {
            const ColorComponent c = a == "--auto-hue" ? ColorComponent::Hue
                : a == "--auto-sat"                    ? ColorComponent::Saturation
                                                       : ColorComponent::Value;
            const size_t colon = v.find(':');
            const auto speed = CliNumber(v.substr(0, colon), 1, 10);
            const auto mode = colon == std::string::npos
                ? std::optional<int>(c == ColorComponent::Hue ? kAutoUp : kAutoUpDown)
                : AutoMode(v.substr(colon + 1));
            if (!speed || !mode)
                return a + " takes SPEED 1..10, optionally :up, :down, :updown, :downup or :random";
            o.autos.push_back({c, *speed, *mode});
        } else if (a.starts_with("--")) {
            return "unknown option " + a;
        } else {
            o.files.push_back(a);
        }
    }
    if (o.files.size() != 2)
        return "import needs IMAGE and OUT.dbx";
    if (!o.into.empty() && (o.sizeGiven || o.backgroundGiven))
        return "--size and --background-colour are for a new drawing, not with --into";
    if (!o.autos.empty() && s.m_importPreserveColors)
        return "--auto-hue, --auto-sat and --auto-val go with --new-colours";
    return {};
}

// The family named by its letter or by the name its shape files carry ("A" or "ball").
std::optional<char> FamilyLetter(const CShapeTable& shapes, const std::string& family)
{
    for (int i = 0; i < shapes.Count(); ++i) {
        const std::string& name = shapes.m_shapeNames[static_cast<size_t>(i)];
        if (name.empty())
            continue;
        if (family.size() == 1 && name[0] == family[0])
            return name[0];
        const std::string stem = name.size() > 4 ? name.substr(0, name.size() - 4) : name;
        if (stem.size() > 4 && stem.substr(4) == family)
            return name[0];
    }
    return std::nullopt;
}

} // namespace

int ImportCommand(const std::vector<std::string>& args)
{
    ImportOptions o;
    const std::string problem = Parse(args, o);
    if (!problem.empty())
        return Usage(problem);

    CliSession s;
    if (o.into.empty() ? !s.New(o.width, o.height, o.background) : !s.Open(o.into, true))
        return kFailed;
    CDaubrixApp& app = s.app;
    CShapeTable& shapes = app.ShapeTable();
    if (!o.shape.empty()) {
        const auto letter = FamilyLetter(shapes, o.shape);
        if (!letter)
            return Usage("no shape family " + o.shape);
        shapes.SelectShapeSize(*letter, o.shapeSize);
        shapes.m_currentShape = static_cast<uint8_t>(ShownVariantOf(shapes, *letter));
    }
    if (o.colour) {
        CShape& shape = app.CurrentShape();
        shape.m_hue = o.colour->m_hue;
        shape.m_saturation = o.colour->m_saturation;
        shape.m_value = o.colour->m_value;
        shape.Recolor(shape.m_hue, shape.m_saturation, shape.m_value);
    }
    app.Import() = o.settings;
    app.Modes().Set(CDrawingModes::kJitter, o.jitter > 0);
    app.Drawing().m_jitterAmount = static_cast<uint8_t>(std::max(o.jitter, 1));
    if (o.seed)
        app.Random().Seed(static_cast<uint32_t>(*o.seed));
    else
        app.Random().SeedFromClock();
    for (const AutoChoice& c : o.autos)
        app.AutoChange().Set(c.component, c.mode, c.speed);

    CDaubrixView& view = *s.view;
    // The first paint, as the program's window makes it before anything is drawn.
    view.Paint();
    s.quiet.speak = true;
    const ImportOutcome outcome = ImportImageFile(view, o.files[0]);
    s.quiet.speak = false;
    if (!outcome.read)
        return kFailed;
    if (!Tell(SaveDocument(o.files[1], *s.doc, &view), DocumentWording()))
        return kFailed;
    std::printf("%d globs imported; the drawing has %d globs and %d colour changes\n", outcome.placed,
                s.doc->GetGlobCount(), s.doc->GetColorChangeCount());
    return kOk;
}
