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

// A new temporary file beside path, with the permissions the target has or would get.
int CreateTemporary(const std::string& path, std::string& temp)
{
    const PathParts parts = Split(path);
    std::string tmpl = parts.dir + "/." + parts.name + kTempTag + std::string(kTempRandom, 'X');
    const int fd = mkstemp(tmpl.data());
    if (fd < 0)
        return -1;
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
    temp = tmpl;
    return fd;
}

bool MoveIntoPlace(const std::string& temp, const std::string& path)
{
    if (std::rename(temp.c_str(), path.c_str()) != 0)
        return false;
    SyncFolder(Split(path).dir);
    return true;
}

constexpr size_t kWriteBuffer = 1 << 20;

} // namespace

bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes)
{
    std::string temp;
    const int fd = CreateTemporary(path, temp);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
    if (close(fd) != 0)
        ok = false;
    if (!ok || !MoveIntoPlace(temp, path)) {
        unlink(temp.c_str());
        return false;
    }
    return true;
}

bool CAtomicFileWriter::Open(const std::string& path)
{
    Discard();
    m_path = path;
    m_fd = CreateTemporary(path, m_temp);
    if (m_fd < 0) {
        m_temp.clear();
        return false;
    }
    m_failed = false;
    m_position = 0;
    m_buffer.reserve(kWriteBuffer);
    return true;
}

bool CAtomicFileWriter::Flush()
{
    if (!m_buffer.empty() && !m_failed)
        m_failed = m_fd < 0 || !WriteAll(m_fd, m_buffer);
    m_buffer.clear();
    return !m_failed;
}

bool CAtomicFileWriter::Write(const void* data, size_t n)
{
    if (!IsOpen() || m_failed)
        return false;
    const auto* p = static_cast<const uint8_t*>(data);
    if (m_buffer.size() + n > kWriteBuffer) {
        if (!Flush())
            return false;
        // Large pieces (whole frames) skip the copy.
        if (n >= kWriteBuffer / 2) {
            m_failed = m_fd < 0 || !WriteAll(m_fd, {p, n});
            m_position += n;
            return !m_failed;
        }
    }
    m_buffer.insert(m_buffer.end(), p, p + n);
    m_position += n;
    return true;
}

bool CAtomicFileWriter::WriteAt(uint64_t offset, const void* data, size_t n)
{
    if (!IsOpen() || !Flush() || offset + n > m_position)
        return false;
    size_t done = 0;
    const auto* p = static_cast<const uint8_t*>(data);
    while (done < n) {
        const ssize_t w = pwrite(m_fd, p + done, n - done, static_cast<off_t>(offset + done));
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return !(m_failed = true);
        done += static_cast<size_t>(w);
    }
    return true;
}

const std::string& CAtomicFileWriter::ReleaseToNamedWriter()
{
    Flush();
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
    return m_temp;
}

bool CAtomicFileWriter::Commit()
{
    if (!IsOpen())
        return false;
    bool ok = Flush();
    // A named writer closed its own handle; the data still has to reach the disk.
    if (m_fd < 0)
        m_fd = open(m_temp.c_str(), O_RDONLY | O_CLOEXEC);
    ok = ok && m_fd >= 0 && fsync(m_fd) == 0;
    if (m_fd >= 0 && close(m_fd) != 0)
        ok = false;
    m_fd = -1;
    if (!ok || !MoveIntoPlace(m_temp, m_path)) {
        Discard();
        return false;
    }
    m_temp.clear();
    return true;
}

void CAtomicFileWriter::Discard()
{
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
    if (!m_temp.empty())
        unlink(m_temp.c_str());
    m_temp.clear();
    m_buffer.clear();
    m_buffer.shrink_to_fit();
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
