#include "core/commands/FileMessages.h"

namespace {

constexpr const char* kJpegCaption = "JPEG Library Error";
constexpr const char* kPngCaption = "PNG Library Error";

void Add(std::vector<UserMessage>& out, const FileWording::Text& t, const std::string& why = {})
{
    if (t.text)
        out.push_back({WithReason(t.text, why), t.icon, {}});
}

} // namespace

std::string WithReason(const std::string& message, const std::string& why)
{
    return why.empty() ? message : message + " (" + why + ")";
}

std::vector<UserMessage> FileMessages(const FileResult& result, const FileWording& wording)
{
    std::vector<UserMessage> out;
    for (const FileNote& n : result.notes) {
        switch (n.reason) {
        case FileReason::CannotRead: Add(out, wording.cannotRead); break;
        case FileReason::CannotWrite: Add(out, wording.cannotWrite, n.text); break;
        case FileReason::NotThisKind: Add(out, wording.notThisKind); break;
        case FileReason::JpegCannotOpen: out.push_back({"Can't open file.", MsgIcon::Stop, {}}); break;
        case FileReason::JpegCannotWrite: out.push_back({"Error writing JPG file.", MsgIcon::None, {}}); break;
        case FileReason::JpegCodec: out.push_back({n.text, MsgIcon::Stop, kJpegCaption}); break;
        case FileReason::JpegWarning: out.push_back({n.text, MsgIcon::Stop, kJpegCaption, true}); break;
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
    for (const UserMessage& m : FileMessages(result, wording)) {
        if (m.warning)
            host.Warning(m.text, m.icon, m.caption);
        else
            host.Message(m.text, m.icon, m.caption);
    }
}
