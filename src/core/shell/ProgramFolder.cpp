#include "core/shell/ProgramFolder.h"
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {
bool EndsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool IsDirectory(const std::string& p)
{
    std::error_code ec;
    return fs::is_directory(p, ec);
}
} // namespace

std::string ProgramFolderFromExecutable(const std::string& executablePath)
{
    std::string dir;
    size_t slash = executablePath.rfind('/');
    if (slash != std::string::npos)
        dir = executablePath.substr(0, slash + 1);
    if (EndsWith(dir, "Debug/"))
        dir.resize(dir.size() - 6);
    if (EndsWith(dir, "Release/"))
        dir.resize(dir.size() - 8);
    return dir;
}

std::string ResolveProgramFolder(const std::string& executablePath)
{
    std::string dir = ProgramFolderFromExecutable(executablePath);
    if (IsDirectory(dir + "shapes") || !EndsWith(dir, "bin/"))
        return dir;
    std::string installed = dir.substr(0, dir.size() - 4) + "share/daubrix/";
    return IsDirectory(installed + "shapes") ? installed : dir;
}

std::string UserDataFolder(const char* xdgDataHome, const char* home)
{
    std::string base;
    if (xdgDataHome && xdgDataHome[0] == '/')
        base = xdgDataHome;
    else if (home && home[0])
        base = std::string(home) + "/.local/share";
    else
        base = "/tmp";
    if (!EndsWith(base, "/"))
        base += '/';
    return base + "quillhollow/Daubrix/";
}

std::string AutomaticFilePath(const std::string& fileName)
{
    std::string dir = UserDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    std::error_code ec;
    fs::create_directories(dir, ec);
    return dir + fileName;
}
