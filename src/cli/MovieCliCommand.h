#pragma once
#include <string>
#include <vector>

// "daubrix-cli movie": the drawing's regeneration as a movie or a numbered picture series,
// the same frames and file the program's Create movie writes.
extern const char* const kMovieHelp;

// args: what follows "movie". Returns the exit status.
int MovieCliCommand(const std::vector<std::string>& args);
