#pragma once
#include <string>
#include <vector>

// "daubrix-cli print": the page the program prints, written as a PDF file.
extern const char* const kPrintHelp;

// args: what follows "print"; programDir holds the shapes folder. Returns the exit status.
int PrintCommand(const std::vector<std::string>& args, const std::string& programDir);
