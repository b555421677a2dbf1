#include "core/shell/CTipOfTheDay.h"
#include "core/base/IHost.h"
#include "core/base/IProfile.h"
#include <cstdint>
#include <ctime>
#include <sys/stat.h>

namespace {
constexpr const char* kStartUp = "StartUp";
constexpr const char* kFilePos = "FilePos";
constexpr const char* kTimeStamp = "TimeStamp";
} // namespace

bool CTipOfTheDay::ShowAtStartUp(IProfile& profile)
{
    return profile.GetInt(kSection, kStartUp, 0) == 0;
}

std::string CTipOfTheDay::TimeStampOf(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    char text[64] = {};
    const time_t t = st.st_ctime;
    if (!ctime_r(&t, text))
        return {};
    std::string s(text);
    while (!s.empty() && (s.back() == '\n' || s.back() == ' ' || s.back() == '\r' || s.back() == '\t'))
        s.pop_back();
    return s;
}

CTipOfTheDay::CTipOfTheDay(IProfile& profile, IHost& host, const std::string& programDir)
    : m_profile(profile), m_host(host), m_showAtStartUp(ShowAtStartUp(profile))
{
    const std::string path = programDir + "tips.txt";
    m_file.open(path, std::ios::in | std::ios::binary);
    if (!m_file.is_open()) {
        m_tip = kMissingText;
        return;
    }
    m_reader = std::make_unique<CTipsReader>(m_file);
    const std::string stamp = TimeStampOf(path);
    int64_t start = 0;
    if (stamp != m_profile.GetString(kSection, kTimeStamp, ""))
        m_profile.SetString(kSection, kTimeStamp, stamp);
    else
        start = m_profile.GetInt(kSection, kFilePos, 0);
    if (!m_reader->Seek(start)) {
        m_host.Message(kTroubleText, MsgIcon::None);
        return;
    }
    NextTip();
}

CTipOfTheDay::~CTipOfTheDay()
{
    // An offset the setting cannot hold starts the next run at the top.
    if (m_reader)
        m_profile.SetInt(kSection, kFilePos, m_reader->Offset() <= INT32_MAX ? static_cast<int>(m_reader->Offset()) : 0);
}

void CTipOfTheDay::NextTip()
{
    if (!m_reader)
        return;
    std::string tip;
    switch (m_reader->Next(tip)) {
    case CTipsReader::Result::Tip: m_tip = tip; break;
    case CTipsReader::Result::SeekFailed: m_host.Message(kTroubleText, MsgIcon::None); break;
    case CTipsReader::Result::NoTips:
        m_hasTips = false;
        m_tip.clear();
        break;
    }
}

void CTipOfTheDay::Close(bool showAtStartUp)
{
    m_showAtStartUp = showAtStartUp;
    m_profile.SetInt(kSection, kStartUp, showAtStartUp ? 0 : 1);
}
