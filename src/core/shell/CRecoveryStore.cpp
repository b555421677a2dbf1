#include "core/shell/CRecoveryStore.h"
#include "core/base/AtomicFile.h"
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr const char* kDrawingSuffix = ".dbx";
constexpr const char* kInfoSuffix = ".where";
constexpr const char* kRunPrefix = "run-";
constexpr const char* kLeftPrefix = "left-";

std::string IdName(int id) { return "drawing-" + std::to_string(id); }

std::vector<uint8_t> InfoBytes(const std::string& path, const std::string& title)
{
    const std::string s = path + "\n" + title + "\n";
    return {s.begin(), s.end()};
}

bool ParseInfo(const std::string& s, std::string& path, std::string& title)
{
    const auto a = s.find('\n');
    const auto b = a == std::string::npos ? a : s.find('\n', a + 1);
    if (b == std::string::npos)
        return false;
    path = s.substr(0, a);
    title = s.substr(a + 1, b - a - 1);
    return true;
}

// Numbered copies in the order they were first kept.
int IdOf(const fs::path& p)
{
    const std::string stem = p.stem().string();
    return std::atoi(stem.c_str() + std::min<size_t>(stem.size(), 8));
}

} // namespace

CRecoveryStore::CRecoveryStore(std::string root, int processId)
    : m_root(std::move(root)), m_folder(m_root + "/" + kRunPrefix + std::to_string(processId))
{
}

void CRecoveryStore::ClaimFolder()
{
    std::error_code ec;
    if (!fs::exists(m_folder, ec))
        return;
    const std::string base = m_root + "/" + kLeftPrefix + fs::path(m_folder).filename().string() + "-";
    for (int n = 1; n < 1000; ++n)
        if (!fs::exists(base + std::to_string(n), ec)) {
            fs::rename(m_folder, base + std::to_string(n), ec);
            return;
        }
}

bool CRecoveryStore::ProcessAlive(int processId)
{
    if (processId <= 0 || (kill(processId, 0) != 0 && errno != EPERM))
        return false;
    // A process that has ended but was not yet reaped (its parent may never do it) still
    // answers; its state in /proc tells.
    std::string stat;
    if (!ReadWholeFile("/proc/" + std::to_string(processId) + "/stat", stat))
        return true;
    const auto close = stat.rfind(')');
    return close == std::string::npos || close + 2 >= stat.size() || (stat[close + 2] != 'Z' && stat[close + 2] != 'X');
}

bool CRecoveryStore::Keep(int id, const std::string& path, const std::string& title, std::span<const uint8_t> bytes)
{
    std::error_code ec;
    fs::create_directories(m_folder, ec);
    const std::string base = m_folder + "/" + IdName(id);
    // The drawing first: a copy is only found once its description exists.
    return WriteFileAtomically(base + kDrawingSuffix, bytes) &&
           WriteFileAtomically(base + kInfoSuffix, InfoBytes(path, title));
}

void CRecoveryStore::Drop(int id)
{
    std::error_code ec;
    const std::string base = m_folder + "/" + IdName(id);
    fs::remove(base + kInfoSuffix, ec);
    fs::remove(base + kDrawingSuffix, ec);
}

void CRecoveryStore::DropAll()
{
    std::error_code ec;
    fs::remove_all(m_folder, ec);
}

std::vector<std::string> CRecoveryStore::OrphanFolders() const
{
    std::vector<std::string> folders;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(m_root, ec)) {
        const std::string name = e.path().filename().string();
        if (!e.is_directory(ec))
            continue;
        if (name.rfind(kLeftPrefix, 0) == 0) {
            folders.push_back(e.path().string());
            continue;
        }
        if (name.rfind(kRunPrefix, 0) != 0)
            continue;
        const int pid = std::atoi(name.c_str() + 4);
        if (e.path().string() != m_folder && !ProcessAlive(pid))
            folders.push_back(e.path().string());
    }
    std::sort(folders.begin(), folders.end());
    return folders;
}

std::vector<CRecoveryStore::Orphan> CRecoveryStore::FindOrphans() const
{
    std::vector<Orphan> found;
    for (const std::string& folder : OrphanFolders()) {
        std::vector<fs::path> infos;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(folder, ec))
            if (e.path().extension() == kInfoSuffix)
                infos.push_back(e.path());
        std::sort(infos.begin(), infos.end(), [](const fs::path& a, const fs::path& b) { return IdOf(a) < IdOf(b); });
        for (const fs::path& info : infos) {
            Orphan o;
            std::string text;
            o.file = fs::path(info).replace_extension(kDrawingSuffix).string();
            if (ReadWholeFile(info.string(), text) && ParseInfo(text, o.path, o.title) && fs::exists(o.file, ec))
                found.push_back(std::move(o));
        }
    }
    return found;
}

void CRecoveryStore::DropOrphans() const
{
    std::error_code ec;
    for (const std::string& folder : OrphanFolders())
        fs::remove_all(folder, ec);
}
