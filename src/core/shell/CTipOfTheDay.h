#pragma once
#include "core/shell/CTipsReader.h"
#include <fstream>
#include <memory>
#include <string>

class IHost;
class IProfile;

// The tip of the day without its window: whether it shows at start-up, the tip shown, the next
// one, and where the next start goes on ("Tip" section of the settings). The tips file stays
// open while the object lives; destroying it stores the offset after the last tip shown.
class CTipOfTheDay {
public:
    static constexpr const char* kSection = "Tip";
    static constexpr const char* kMissingText = "Tips file does not exist in the prescribed directory";
    static constexpr const char* kTroubleText = "Trouble reading the tips file";
    static constexpr const char* kHeading = "Did you know...";

    // Opens "tips.txt" in programDir (ending with '/') and reads the tip to show.
    CTipOfTheDay(IProfile& profile, IHost& host, const std::string& programDir);
    ~CTipOfTheDay();
    CTipOfTheDay(const CTipOfTheDay&) = delete;
    CTipOfTheDay& operator=(const CTipOfTheDay&) = delete;

    // "StartUp" 0 means show at start-up.
    static bool ShowAtStartUp(IProfile& profile);
    bool ShowAtStartUpChecked() const { return m_showAtStartUp; }

    const std::string& Tip() const { return m_tip; }
    // False when there is no file, or nothing in it to show.
    bool CanShowNext() const { return m_reader && m_hasTips; }
    void NextTip();
    // The Close button: the check box's choice is kept.
    void Close(bool showAtStartUp);

    // The file's change time as the C library writes a date, without the trailing line end;
    // empty when the file cannot be looked at.
    static std::string TimeStampOf(const std::string& path);

private:
    IProfile& m_profile;
    IHost& m_host;
    bool m_showAtStartUp;
    std::ifstream m_file;
    std::unique_ptr<CTipsReader> m_reader;
    std::string m_tip;
    bool m_hasTips = true;
};
