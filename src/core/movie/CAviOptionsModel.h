#pragma once
#include "core/movie/IVideoCompressor.h"
#include <string>
#include <vector>

struct CMovieSettings;

// The compression choices of one movie, as the AVI Options dialog leaves them.
struct AviOptions {
    int dataRateOn = 0;
    int dataRate = 300;                 // kilobytes per second
    int keyFramesOn = 1;
    int keyFrameEvery = 1;
    std::vector<uint8_t> state;         // the Configure choice (a speed preset)
    uint32_t handler = FourCC("MSVC");
    int quality = 10000;
    int listIndex = 0;
    int trackbarPosition = 0;
};

// What the AVI Options dialog shows and how it reacts, without the widgets: the compressor
// list, the selection change, which controls are enabled, the check on OK and the choices it
// remembers for the next movie of the run.
class CAviOptionsModel {
public:
    enum class Invalid { None, KeyFrameEvery, DataRate };
    static constexpr const char* kInvalidNumber = "Please enter a number greater than zero";

    // An empty list (no usable input format) leaves every control disabled.
    CAviOptionsModel(std::vector<CompressorInfo> list, const AviOptions& options);

    // Opening: the remembered entry is selected, then the remembered values are put back.
    void Open(const CMovieSettings& remembered);
    void Select(int index);

    const std::vector<CompressorInfo>& List() const { return m_list; }
    int Selection() const { return m_selection; }
    const CompressorInfo* Selected() const;
    uint32_t Flags() const;

    // Control values, read and written by the dialog.
    int quality = 10000;
    bool keyFramesOn = true;
    std::string keyFrameText;
    bool dataRateOn = false;
    std::string dataRateText;
    std::vector<uint8_t> state;

    bool ListEnabled() const { return !m_list.empty(); }
    bool QualityEnabled() const { return Flags() & kCompressorQuality; }
    bool KeyFramesEnabled() const { return Flags() & kCompressorTemporal; }
    bool DataRateEnabled() const { return Flags() & kCompressorDataRate; }
    bool AboutEnabled() const { return Selected() && Selected()->handler != 0; }
    bool ConfigureEnabled() const { return Selected() && Selected()->canConfigure; }

    // OK: on success the options take the choices; otherwise the field to correct.
    Invalid Accept(AviOptions& options) const;
    static void Remember(const AviOptions& options, CMovieSettings& settings);

private:
    std::vector<CompressorInfo> m_list;
    int m_selection = -1;
};

// Reads a whole signed number; false for anything else.
bool ParseSigned(const std::string& text, int& value);
