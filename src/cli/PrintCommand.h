#pragma once
#include <string>
#include <vector>

// "daubrix-cli print": the page the program prints, written as a PDF file.
extern const char* const kPrintHelp;

// args: what follows "print". Returns the exit status.
int PrintCommand(const std::vector<std::string>& args);
