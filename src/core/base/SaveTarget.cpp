#include "core/base/SaveTarget.h"
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The kernel's own limit on links followed in one lookup.
constexpr int kMaxLinks = 40;

bool ReadLink(const std::string& path, std::string& target)
{
    std::vector<char> buf(PATH_MAX);
    for (;;) {
        const ssize_t n = readlink(path.c_str(), buf.data(), buf.size());
        if (n < 0)
            return false;
        if (static_cast<size_t>(n) < buf.size()) {
            target.assign(buf.data(), static_cast<size_t>(n));
            return true;
        }
        buf.resize(buf.size() * 2);
    }
}

bool WriteAllAt(int fd, const char* p, size_t n, off_t at)
{
    while (n > 0) {
        const ssize_t w = pwrite(fd, p, n, at);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return false;
        p += w;
        n -= static_cast<size_t>(w);
        at += w;
    }
    return true;
}

} // namespace

std::string FolderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

SaveTarget FindSaveTarget(const std::string& path)
{
    SaveTarget t;
    t.path = path;
    struct stat st {};
    // Only the last component matters: links among the folders are followed by every call.
    for (int i = 0;; ++i) {
        if (lstat(t.path.c_str(), &st) != 0)
            return t;  // a new file, possibly where a dangling link points
        if (!S_ISLNK(st.st_mode))
            break;
        std::string next;
        if (i == kMaxLinks || !ReadLink(t.path, next)) {
            t.refusal = "the file is a loop of links";
            return t;
        }
        t.path = next.starts_with('/') ? next : FolderOf(t.path) + "/" + next;
    }
    t.exists = true;
    t.regular = S_ISREG(st.st_mode);
    t.mode = st.st_mode & 07777;
    t.owner = st.st_uid;
    t.group = st.st_gid;
    t.links = st.st_nlink;
    if (S_ISDIR(st.st_mode))
        t.refusal = "it is a folder";
    // The folder's permission would let a rename replace it; the file's own says no.
    else if (faccessat(AT_FDCWD, t.path.c_str(), W_OK, AT_EACCESS) != 0)
        t.refusal = kWriteProtectedReason;
    return t;
}

int CreateTemporaryBeside(const std::string& target, std::string& temp)
{
    std::string tmpl =
        FolderOf(target) + "/." + NameOf(target) + kTemporaryTag + std::string(kTemporaryRandom, 'X');
    const int fd = mkstemp(tmpl.data());
    if (fd >= 0)
        temp = tmpl;
    return fd;
}

SaveTarget::Way PrepareTemporary(int fd, const SaveTarget& target)
{
    if (!target.exists) {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
        return SaveTarget::Way::Rename;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0)
        return SaveTarget::Way::InPlace;
    // Ownership first: a change of owner clears the set-id bits that fchmod then puts back.
    const bool ownerKept = (st.st_uid == target.owner && st.st_gid == target.group)
        || fchown(fd, target.owner, target.group) == 0;
    fchmod(fd, target.mode);
    // A rename would split a hard-linked file in two, hand the file to us, or replace a device.
    if (!ownerKept || target.links > 1 || !target.regular)
        return SaveTarget::Way::InPlace;
    return SaveTarget::Way::Rename;
}

bool CopyOver(int from, int to)
{
    std::vector<char> buf(1 << 20);
    off_t at = 0;
    for (;;) {
        const ssize_t n = pread(from, buf.data(), buf.size(), at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        if (!WriteAllAt(to, buf.data(), static_cast<size_t>(n), at))
            return false;
        at += n;
    }
    struct stat st {};
    // Devices and pipes take no truncation and need none.
    if (fstat(to, &st) == 0 && S_ISREG(st.st_mode) && ftruncate(to, at) != 0)
        return false;
    return fsync(to) == 0 || errno == EINVAL;
}

bool OverwriteInPlace(const SaveTarget& target, int fd)
{
    const int out = open(target.path.c_str(), O_RDWR | O_CLOEXEC);
    if (out < 0)
        return false;
    if (!target.regular) {
        const bool ok = CopyOver(fd, out);
        return close(out) == 0 && ok;
    }
    // The old bytes go aside first, so a failed overwrite can be undone.
    std::string backupName;
    const int backup = CreateTemporaryBeside(target.path, backupName);
    bool ok = backup >= 0 && CopyOver(out, backup);
    if (ok) {
        ok = CopyOver(fd, out);
        if (!ok)
            CopyOver(backup, out);
    }
    if (backup >= 0) {
        close(backup);
        unlink(backupName.c_str());
    }
    return close(out) == 0 && ok;
}
