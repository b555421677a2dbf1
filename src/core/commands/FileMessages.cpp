#include "core/commands/FileMessages.h"

namespace {

constexpr const char* kJpegCaption = "JPEG Library Error";
constexpr const char* kPngCaption = "PNG Library Error";

void Add(std::vector<UserMessage>& out, const FileWording::Text& t)
{
    if (t.text)
        out.push_back({t.text, t.icon, {}});
}

} // namespace

std::vector<UserMessage> FileMessages(const FileResult& result, const FileWording& wording)
{
    std::vector<UserMessage> out;
    for (const FileNote& n : result.notes) {
        switch (n.reason) {
        case FileReason::CannotRead: Add(out, wording.cannotRead); break;
        case FileReason::CannotWrite: Add(out, wording.cannotWrite); break;
        case FileReason::NotThisKind: Add(out, wording.notThisKind); break;
        case FileReason::JpegCannotOpen: out.push_back({"Can't open file.", MsgIcon::Stop, {}}); break;
        case FileReason::JpegCannotWrite: out.push_back({"Error writing JPG file.", MsgIcon::None, {}}); break;
        case FileReason::JpegCodec: out.push_back({n.text, MsgIcon::Stop, kJpegCaption}); break;
        case FileReason::PictureRefused: out.push_back({n.text, MsgIcon::Stop, {}}); break;
        case FileReason::PngCodec: out.push_back({n.text, MsgIcon::Stop, kPngCaption}); break;
        case FileReason::BackgroundNotSaved:
            out.push_back({"Error saving background image (mem)", MsgIcon::None, {}});
            break;
        }
    }
    return out;
}

void ShowFileMessages(const FileResult& result, IHost& host, const FileWording& wording)
{
    for (const UserMessage& m : FileMessages(result, wording))
        host.Message(m.text, m.icon, m.caption);
}
