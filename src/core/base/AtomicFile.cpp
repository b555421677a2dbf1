#include "core/base/AtomicFile.h"
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Temporary files are ".NAME.save-XXXXXX" beside the target, so a save can tell its own leftovers
// (from a killed or crashed earlier save of the same file) from anything else in the folder.
constexpr const char* kTempTag = ".save-";
constexpr size_t kTempRandom = 6;

struct PathParts {
    std::string dir;
    std::string name;
};

PathParts Split(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

void RemoveStaleTemporaries(const PathParts& p, const std::string& keep)
{
    const std::string prefix = "." + p.name + kTempTag;
    DIR* d = opendir(p.dir.c_str());
    if (!d)
        return;
    while (dirent* e = readdir(d)) {
        const std::string n = e->d_name;
        if (n.size() == prefix.size() + kTempRandom && n.compare(0, prefix.size(), prefix) == 0 && n != keep)
            unlinkat(dirfd(d), n.c_str(), 0);
    }
    closedir(d);
}

bool WriteAll(int fd, std::span<const uint8_t> bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// The rename is only durable once the folder's entry is on disk too.
void SyncFolder(const std::string& dir)
{
    const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes)
{
    const PathParts parts = Split(path);
    std::string tmpl = parts.dir + "/." + parts.name + kTempTag + std::string(kTempRandom, 'X');
    const int fd = mkstemp(tmpl.data());
    if (fd < 0)
        return false;
    RemoveStaleTemporaries(parts, tmpl.substr(tmpl.find_last_of('/') + 1));
    // Keep the permissions an existing file had; new files get the usual 0666 & ~umask.
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) {
        fchmod(fd, st.st_mode & 07777);
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
    }
    bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
    if (close(fd) != 0)
        ok = false;
    if (ok && std::rename(tmpl.c_str(), path.c_str()) != 0)
        ok = false;
    if (!ok) {
        unlink(tmpl.c_str());
        return false;
    }
    SyncFolder(parts.dir);
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    // One read of the size the file says, then on until the end in case it grew meanwhile:
    // opening a drawing should cost little more than the read itself.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        close(fd);
        return false;
    }
    bytes.clear();
    size_t used = 0;
    bytes.resize(st.st_size > 0 ? static_cast<size_t>(st.st_size) + 1 : 4096);
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t n = read(fd, bytes.data() + used, bytes.size() - used);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            close(fd);
            return false;
        }
        if (n == 0)
            break;
        used += static_cast<size_t>(n);
    }
    close(fd);
    bytes.resize(used);
    return true;
}
