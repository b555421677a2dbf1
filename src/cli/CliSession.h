#pragma once
#include "core/base/CQuietHost.h"
#include "core/base/FileResult.h"
#include "core/model/CDaubrixDoc.h"
#include "core/shell/CDaubrixApp.h"
#include "core/view/CDaubrixView.h"
#include "core/view/FileMessages.h"
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

// One drawing opened for a subcommand, with the program's shapes and a view to draw it.
struct CliSession {
    // Nobody is asked anything: what there is to tell comes back from the file operations.
    CQuietHost quiet;
    CDaubrixApp app{quiet};
    std::unique_ptr<CDaubrixDoc> doc;
    std::unique_ptr<CDaubrixView> view;

    bool Open(const std::string& path, bool needShapes);
};
