#pragma once
#include "core/base/FileResult.h"
#include "core/colour/CColorHistory.h"
#include <string>

// The colour history file (".dch") on disk. CannotWrite when it cannot be written.
FileResult SaveColorHistory(const std::string& path, const CColorHistory& history);
// CannotRead when the file cannot be read, NotThisKind when it is refused; the history is
// then unchanged.
FileResult LoadColorHistory(const std::string& path, CColorHistory& history);
