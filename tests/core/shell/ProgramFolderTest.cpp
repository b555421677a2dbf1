#include "core/shell/ProgramFolder.h"
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(ProgramFolder, FolderOfTheExecutableWithBuildFoldersRemoved)
{
    EXPECT_EQ(ProgramFolderFromExecutable("/opt/daubrix/daubrix"), "/opt/daubrix/");
    EXPECT_EQ(ProgramFolderFromExecutable("/src/daubrix/Release/daubrix"), "/src/daubrix/");
    EXPECT_EQ(ProgramFolderFromExecutable("/src/daubrix/Debug/daubrix"), "/src/daubrix/");
    // Debug is tried before Release, so both come off in that order only.
    EXPECT_EQ(ProgramFolderFromExecutable("/x/Release/Debug/daubrix"), "/x/");
    EXPECT_EQ(ProgramFolderFromExecutable("/x/Debug/Release/daubrix"), "/x/Debug/");
    // Case-sensitive.
    EXPECT_EQ(ProgramFolderFromExecutable("/x/release/daubrix"), "/x/release/");
    EXPECT_EQ(ProgramFolderFromExecutable("/x/MyRelease/daubrix"), "/x/My");
}

TEST(ProgramFolder, InstalledProgramFindsSharedData)
{
    fs::path root = fs::temp_directory_path() / ("dbx_pf_" + std::to_string(getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "prefix/bin");
    fs::create_directories(root / "prefix/share/daubrix/shapes");
    fs::create_directories(root / "build/bin/shapes");
    std::string prefix = (root / "prefix").string();
    EXPECT_EQ(ResolveProgramFolder(prefix + "/bin/daubrix"), prefix + "/share/daubrix/");
    // Data beside the executable wins.
    std::string build = (root / "build").string();
    EXPECT_EQ(ResolveProgramFolder(build + "/bin/daubrix"), build + "/bin/");
    // Neither: the executable's folder, where the missing shapes will be reported.
    fs::remove_all(root / "prefix/share");
    EXPECT_EQ(ResolveProgramFolder(prefix + "/bin/daubrix"), prefix + "/bin/");
    fs::remove_all(root);
}

TEST(ProgramFolder, AutomaticFilesGoToTheUserDataFolder)
{
    EXPECT_EQ(UserDataFolder("/data", "/home/u"), "/data/quillhollow/Daubrix/");
    EXPECT_EQ(UserDataFolder("/data/", "/home/u"), "/data/quillhollow/Daubrix/");
    EXPECT_EQ(UserDataFolder(nullptr, "/home/u"), "/home/u/.local/share/quillhollow/Daubrix/");
    EXPECT_EQ(UserDataFolder("relative", "/home/u"), "/home/u/.local/share/quillhollow/Daubrix/");

    fs::path root = fs::temp_directory_path() / ("dbx_xdg_" + std::to_string(getpid()));
    fs::remove_all(root);
    const char* old = std::getenv("XDG_DATA_HOME");
    std::string saved = old ? old : "";
    setenv("XDG_DATA_HOME", root.c_str(), 1);
    std::string p = AutomaticFilePath(kLastColorHistoryFile);
    EXPECT_EQ(p, root.string() + "/quillhollow/Daubrix/DBXlastDBX.dch");
    EXPECT_TRUE(fs::is_directory(root / "quillhollow/Daubrix"));
    if (old)
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
    fs::remove_all(root);
}
