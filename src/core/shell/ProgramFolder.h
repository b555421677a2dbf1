#pragma once
#include <string>

// Names of the files the tool windows keep between runs.
inline constexpr const char* kLastColorHistoryFile = "DBXlastDBX.dch";
inline constexpr const char* kLastShapeStateFile = "DBXlastDBX.dss";

// The folder of the executable, ending with '/'. A trailing "Debug/" and then a trailing
// "Release/" (case-sensitive, in that order) are removed, so a build folder finds the data of
// its parent.
std::string ProgramFolderFromExecutable(const std::string& executablePath);

// The folder holding "shapes/" and "tips.txt": the executable's folder by the rule above, or,
// for an installed program (<prefix>/bin/daubrix without data beside it), <prefix>/share/daubrix/.
std::string ResolveProgramFolder(const std::string& executablePath);

// Per-user data folder, ending with '/': $XDG_DATA_HOME/quillhollow/Daubrix/, or
// $HOME/.local/share/quillhollow/Daubrix/ when XDG_DATA_HOME is unset or relative.
// Either argument may be null.
std::string UserDataFolder(const char* xdgDataHome, const char* home);

// Full path of one of the automatic files. The program folder is often read-only, so they live
// in the per-user data folder, which is created when missing.
std::string AutomaticFilePath(const std::string& fileName);
