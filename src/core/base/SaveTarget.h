#pragma once
#include <string>
#include <cstddef>
#include <sys/types.h>

// What a save finds at the path it was given, and how it may replace it without harming what
// the user protected or linked.
struct SaveTarget {
    // How the new bytes reach the file.
    enum class Way {
        Rename,   // a temporary file beside the target is renamed over it: all or nothing
        InPlace,  // the target's own bytes are overwritten (it has other names, or an owner the
                  // temporary file cannot take), after a copy of the old bytes was put aside
        Direct,   // the folder takes no temporary file: the target is written as it stands
    };

    std::string path;      // the file that receives the bytes: symbolic links followed
    bool exists = false;
    bool regular = true;   // false for devices, pipes and the like, which are written in place
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
    nlink_t links = 0;
    std::string refusal;   // set when the target must not be written at all
};

// The reason given when an existing target may not be written by the user.
inline constexpr const char* kWriteProtectedReason = "the file is write-protected";

// Follows symbolic links to the file they finally name and looks at it; refusal is set for a
// write-protected file, a folder or a loop of links.
SaveTarget FindSaveTarget(const std::string& path);

// Gives the temporary file fd the target's permissions (new files: 0666 less the umask) and,
// for an existing target, its owner and group. Returns the way the save must then go.
SaveTarget::Way PrepareTemporary(int fd, const SaveTarget& target);

// Overwrites target.path with the bytes of fd (read from offset 0), keeping its inode, names,
// owner and mode. The old bytes are first copied to a file beside it and put back when the
// overwrite fails. False when the target could not be written.
bool OverwriteInPlace(const SaveTarget& target, int fd);

// A new empty file ".NAME.save-XXXXXX" beside target, open for reading and writing; -1 when the
// folder takes none.
int CreateTemporaryBeside(const std::string& target, std::string& temp);
inline constexpr const char* kTemporaryTag = ".save-";
inline constexpr size_t kTemporaryRandom = 6;

// Copies the whole of from (from offset 0) to the start of to, which is then cut to that length
// and flushed to disk.
bool CopyOver(int from, int to);

// "/a/b" and "c" → "/a/b/c"; folder of a path ("." when it has none).
std::string FolderOf(const std::string& path);
std::string NameOf(const std::string& path);
