#pragma once
#include <string>
#include <vector>

// "daubrix-cli import": a picture turned into globs, as Image > Import does, into a new or an
// existing drawing.
extern const char* const kImportHelp;

// args: what follows "import". Returns the exit status.
int ImportCommand(const std::vector<std::string>& args);
