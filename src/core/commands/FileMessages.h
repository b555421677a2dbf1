#pragma once
#include "core/base/FileResult.h"
#include "core/base/IHost.h"
#include <string>
#include <vector>

// One message box as the user sees it.
struct UserMessage {
    std::string text;
    MsgIcon icon = MsgIcon::None;
    std::string caption;
    bool warning = false;  // the operation went on; a tool without windows says "warning:"
    bool operator==(const UserMessage&) const = default;
};

// A command's words for the reasons that mean different things to different commands; a
// reason without text is passed over quietly.
struct FileWording {
    struct Text {
        const char* text = nullptr;
        MsgIcon icon = MsgIcon::None;
    };
    Text cannotRead, cannotWrite, notThisKind;
};

// A command's failure message followed by what the file operation found out ("Failed to save
// document. (the file is write-protected)"); the message alone when why is empty.
std::string WithReason(const std::string& message, const std::string& why);

// The messages for a result, in the order its notes arose. The image codec's notes and the
// dropped background have fixed texts of their own.
std::vector<UserMessage> FileMessages(const FileResult& result, const FileWording& wording = {});

// Shows FileMessages through the host, warnings through its Warning.
void ShowFileMessages(const FileResult& result, IHost& host, const FileWording& wording = {});
