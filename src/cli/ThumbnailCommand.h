#pragma once
#include <string>
#include <vector>

// "daubrix-cli thumbnail": a small PNG of the whole drawing, for file managers.
extern const char* const kThumbnailHelp;

// args: what follows "thumbnail". Returns the exit status.
int ThumbnailCommand(const std::vector<std::string>& args);
