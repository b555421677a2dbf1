#pragma once
#include "core/base/CQuietHost.h"
#include "core/base/FileResult.h"
#include "core/model/CDaubrixDoc.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/commands/FileMessages.h"
#include "core/colour/ColorRef.h"
#include <memory>
#include <optional>
#include <string>

// Folder holding "shapes/", ending with '/'.
std::string ProgramDir();
// A whole number lo..hi, or nothing.
std::optional<int> CliNumber(const std::string& text, long lo, long hi);
// Wrong usage: the problem, then the subcommand's help, on stderr; returns exit status 2.
int CliUsage(const std::string& problem, const char* help);
// One message, one line on stderr.
void Say(std::string line);
// Says what a file operation had to tell; true when it succeeded.
bool Tell(const FileResult& result, const FileWording& wording);

// Nobody is asked anything; a subcommand whose engine operations tell the user things
// themselves lets them speak, one line each on stderr.
struct CCliHost : CQuietHost {
    bool speak = false;
    void Message(const std::string& text, MsgIcon, const std::string&) override
    {
        if (speak)
            Say(text);
    }
    void Warning(const std::string& text, MsgIcon, const std::string&) override
    {
        if (speak)
            Say("warning: " + text);
    }
};

// One drawing opened for a subcommand, with the program's shapes and a view to draw it.
struct CliSession {
    // What there is to tell mostly comes back from the file operations.
    CCliHost quiet;
    CDaubrixApp app{quiet};
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;

    bool Open(const std::string& path, bool needShapes);
    // A new empty drawing, as the program's New makes one.
    bool New(int width, int height, ColorRef background);
    // The program's shapes, prepared; false (and said) when needed and there are none.
    bool LoadProgramShapes(bool needShapes);
};
