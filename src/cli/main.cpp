// daubrix-cli: facts about a drawing and its picture, without a window, over the same engine
// and shape set as the program.
#include "cli/CliSession.h"
#include "cli/ImportCommand.h"
#include "cli/MovieCliCommand.h"
#include "cli/PrintCommand.h"
#include "cli/ThumbnailCommand.h"
#include "DaubrixVersion.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/model/CDocumentFile.h"
#include "core/commands/DocumentIO.h"
#include "core/view/DrawingInfo.h"
#include "core/commands/FileMessages.h"
#include "core/commands/ImageCommands.h"
#include <cstdio>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

const char* const kHelp =
    "usage: daubrix-cli info FILE.dbx\n"
    "       daubrix-cli render FILE.dbx OUT.bmp|OUT.jpg|OUT.png [--globs N] [--quality Q]\n"
    "       daubrix-cli --help | --version\n"
    "\n"
    "info    prints the drawing's facts, one per line: its size, glob and colour-change\n"
    "        counts, background colour, section boundaries, background image and print\n"
    "        resolution.\n"
    "render  writes the drawing as a picture, exactly as the program's Save Image does: a\n"
    "        24-bit BMP for .bmp, a JPEG for .jpg or .jpeg, a PNG for .png.\n"
    "        --globs N    draw only the first N globs (as the drawing history would show)\n"
    "        --quality Q  JPEG quality 1..100 (default 80; the program offers 5, 10 .. 100)\n"
    "\n"
    "The shapes are read from the shapes folder beside the program (or share/daubrix/shapes).\n"
    "Exit status: 0 on success; 1 when the drawing cannot be read or the picture cannot be\n"
    "written (the reason is one line on stderr, the program's own message); 2 on wrong usage.\n";

int Usage(const char* problem)
{
    std::fprintf(stderr, "daubrix-cli: %s\n%s", problem, kHelp);
    return kUsage;
}

bool ParseInt(const char* text, long lo, long hi, long& out)
{
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text, &end, 10);
    if (errno || !end || *end || end == text || v < lo || v > hi)
        return false;
    out = v;
    return true;
}

int Info(const std::string& path)
{
    CliSession s;
    if (!s.Open(path, false))
        return kFailed;
    const CDaubrixDoc& d = *s.doc;
    // Worded as the program's Drawing Information shows a freshly opened drawing.
    const DrawingInfo info = DescribeDrawing(d, d.GetGlobCount(), false);
    for (const std::string* line : {&info.imageSize, &info.globs, &info.colors, &info.background})
        std::printf("%s\n", line->c_str());
    std::string sections;
    for (int i = 0; i < d.Sections().Count(); ++i)
        sections += " " + std::to_string(d.Sections().At(i));
    std::printf("Sections:%s\n", sections.empty() ? " none" : sections.c_str());
    std::printf("Section floor: %d\n", d.Sections().Floor());
    if (d.HasBackgroundImage())
        std::printf("Background image: %d x %d at (%d, %d)\n", s.view->BackgroundImage().Width(),
                    s.view->BackgroundImage().Height(), s.view->BackgroundX(), s.view->BackgroundY());
    else
        std::printf("Background image: none\n");
    std::printf("Print resolution: %d\n", d.PrintResolution());
    return kOk;
}

int Render(const std::vector<std::string>& args)
{
    std::vector<std::string> files;
    long globs = -1, quality = 80;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--globs" || args[i] == "--quality") {
            const bool isGlobs = args[i] == "--globs";
            if (i + 1 >= args.size())
                return Usage(isGlobs ? "--globs needs a number" : "--quality needs a number");
            long& target = isGlobs ? globs : quality;
            if (!ParseInt(args[++i].c_str(), isGlobs ? 0 : 1, isGlobs ? INT32_MAX : 100, target))
                return Usage(isGlobs ? "--globs takes a count of 0 or more" : "--quality takes 1..100");
        } else if (args[i].starts_with("--")) {
            return Usage(("unknown option " + args[i]).c_str());
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2)
        return Usage("render needs FILE.dbx and OUT.bmp, OUT.jpg or OUT.png");
    if (ImageFileKindFor(files[1]) == ImageFileKind::Unknown)
        return Usage("the picture's name must end in .bmp, .jpg, .jpeg or .png");
    CliSession s;
    if (!s.Open(files[0], true))
        return kFailed;
    CDaubrixView& v = *s.view;
    const int count = s.doc->GetGlobCount();
    const int shown = globs < 0 ? count : static_cast<int>(std::min<long>(globs, count));
    // The history position before the first paint: it replays exactly those globs.
    v.BrowseTo(shown);
    v.Paint();
    const FileResult written = WriteDrawingImage(files[1], v.DrawingImage(), static_cast<int>(quality));
    return Tell(written, SaveImageWording(files[1])) ? kOk : kFailed;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return Usage("no command given");
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        std::fputs(kHelp, stdout);
        std::fputs(kPrintHelp, stdout);
        std::fputs(kImportHelp, stdout);
        std::fputs(kMovieHelp, stdout);
        std::fputs(kThumbnailHelp, stdout);
        return kOk;
    }
    if (args[0] == "--version" || args[0] == "-v") {
        std::printf("daubrix-cli %s\n", DAUBRIX_VERSION);
        return kOk;
    }
    if (args[0] == "info") {
        if (args.size() != 2)
            return Usage("info needs exactly one FILE.dbx");
        return Info(args[1]);
    }
    if (args[0] == "import")
        return ImportCommand({args.begin() + 1, args.end()});
    if (args[0] == "movie")
        return MovieCliCommand({args.begin() + 1, args.end()});
    if (args[0] == "print")
        return PrintCommand({args.begin() + 1, args.end()});
    if (args[0] == "render")
        return Render({args.begin() + 1, args.end()});
    if (args[0] == "thumbnail")
        return ThumbnailCommand({args.begin() + 1, args.end()});
    return Usage(("unknown command " + args[0]).c_str());
}
