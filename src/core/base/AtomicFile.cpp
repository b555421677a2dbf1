#include "core/base/AtomicFile.h"
#include "core/base/SaveTarget.h"
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void RemoveStaleTemporaries(const std::string& target, const std::string& keep)
{
    const std::string prefix = "." + NameOf(target) + kTemporaryTag;
    DIR* d = opendir(FolderOf(target).c_str());
    if (!d)
        return;
    while (dirent* e = readdir(d)) {
        const std::string n = e->d_name;
        if (n.size() == prefix.size() + kTemporaryRandom && n.compare(0, prefix.size(), prefix) == 0 && n != keep)
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

constexpr size_t kWriteBuffer = 1 << 20;

} // namespace

bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes, std::string* reason)
{
    CAtomicFileWriter file;
    const bool ok = file.Open(path) && file.Write(bytes.data(), bytes.size()) && file.Commit();
    if (!ok && reason)
        *reason = file.Refusal();
    return ok;
}

bool CAtomicFileWriter::Open(const std::string& path)
{
    Discard();
    m_refusal.clear();
    m_path = path;
    m_target = FindSaveTarget(path);
    if (!m_target.refusal.empty()) {
        m_refusal = m_target.refusal;
        return false;
    }
    m_fd = CreateTemporaryBeside(m_target.path, m_temp);
    if (m_fd >= 0) {
        RemoveStaleTemporaries(m_target.path, NameOf(m_temp));
        m_way = PrepareTemporary(m_fd, m_target);
    } else if (m_target.exists) {
        // No temporary file can be made in the folder, but the file itself may be written.
        m_fd = open(m_target.path.c_str(), O_WRONLY | O_CLOEXEC);
        m_temp = m_target.path;
        m_way = SaveTarget::Way::Direct;
    }
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
    m_released = true;
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
    // Written in place, the file ends where the last byte went (it may have been longer).
    if (ok && m_way == SaveTarget::Way::Direct && !m_released && m_target.regular)
        ok = ftruncate(m_fd, static_cast<off_t>(m_position)) == 0;
    ok = ok && m_fd >= 0 && (fsync(m_fd) == 0 || (!m_target.regular && errno == EINVAL));
    switch (m_way) {
    case SaveTarget::Way::Rename:
        if (m_fd >= 0 && close(m_fd) != 0)
            ok = false;
        m_fd = -1;
        ok = ok && std::rename(m_temp.c_str(), m_target.path.c_str()) == 0;
        if (ok)
            SyncFolder(FolderOf(m_target.path));
        break;
    case SaveTarget::Way::InPlace:
        ok = ok && OverwriteInPlace(m_target, m_fd);
        break;
    case SaveTarget::Way::Direct: break;
    }
    if (!ok) {
        Discard();
        return false;
    }
    // Renamed, the temporary file is the target now; written directly, it always was.
    if (m_way != SaveTarget::Way::InPlace)
        m_temp.clear();
    Discard();
    return true;
}

void CAtomicFileWriter::Discard()
{
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
    // Written directly, the target is all there is: it stays, whatever it holds now.
    if (!m_temp.empty() && m_way != SaveTarget::Way::Direct)
        unlink(m_temp.c_str());
    m_temp.clear();
    m_released = false;
    m_way = SaveTarget::Way::Rename;
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
