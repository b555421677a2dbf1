#include "cli/ThumbnailCommand.h"
#include "cli/CliSession.h"
#include "core/imaging/ImageScaling.h"
#include "core/imaging/PngFile.h"
#include "core/commands/ImageCommands.h"

const char* const kThumbnailHelp =
    "\n"
    "usage: daubrix-cli thumbnail FILE.dbx OUT.png SIZE\n"
    "thumbnail  writes the whole drawing as a PNG that fits SIZE x SIZE pixels (1..4096),\n"
    "           its aspect kept and each pixel the average of what it covers; a drawing\n"
    "           that already fits is written at its own size. OUT is always a PNG, whatever\n"
    "           its name, as file managers' thumbnailers ask for.\n";

namespace {
constexpr int kMaxSize = 4096;
}

int ThumbnailCommand(const std::vector<std::string>& args)
{
    for (const std::string& a : args)
        if (a.starts_with("--"))
            return CliUsage("unknown option " + a, kThumbnailHelp);
    if (args.size() != 3)
        return CliUsage("thumbnail needs FILE.dbx, OUT.png and SIZE", kThumbnailHelp);
    const auto size = CliNumber(args[2], 1, kMaxSize);
    if (!size)
        return CliUsage("SIZE takes 1..4096", kThumbnailHelp);
    CliSession s;
    if (!s.Open(args[0], true))
        return 1;
    s.view->Paint();
    const CImage32 small = ScaleDownToFit(s.view->DrawingImage(), *size);
    // Worded as a PNG whatever OUT is called: a PNG is what gets written.
    return Tell(WritePngFile(args[1], small), SaveImageWording(".png")) ? 0 : 1;
}
