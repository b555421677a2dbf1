#include "core/movie/CAviOptionsModel.h"
#include "core/settings/CMovieSettings.h"
#include <cerrno>
#include <climits>
#include <cstdlib>

bool ParseSigned(const std::string& text, int& value)
{
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text.c_str(), &end, 10);
    while (end && (*end == ' ' || *end == '\t'))
        ++end;
    if (errno || end == text.c_str() || !end || *end || v < INT_MIN || v > INT_MAX)
        return false;
    value = static_cast<int>(v);
    return true;
}

CAviOptionsModel::CAviOptionsModel(std::vector<CompressorInfo> list, const AviOptions& options)
    : quality(options.quality), keyFramesOn(options.keyFramesOn != 0),
      keyFrameText(std::to_string(options.keyFrameEvery)), dataRateOn(options.dataRateOn != 0),
      dataRateText(std::to_string(options.dataRate)), state(options.state), m_list(std::move(list))
{
    if (m_list.empty())
        return;
    // The current handler's entry, else the uncompressed one at the end.
    m_selection = static_cast<int>(m_list.size()) - 1;
    for (size_t i = 0; i < m_list.size(); ++i)
        if (m_list[i].handler == options.handler)
            m_selection = static_cast<int>(i);
}

const CompressorInfo* CAviOptionsModel::Selected() const
{
    return m_selection >= 0 && m_selection < static_cast<int>(m_list.size()) ? &m_list[static_cast<size_t>(m_selection)]
                                                                            : nullptr;
}

uint32_t CAviOptionsModel::Flags() const { return Selected() ? Selected()->flags : 0; }

void CAviOptionsModel::Open(const CMovieSettings& remembered)
{
    if (m_list.empty())
        return;
    Select(remembered.m_aviCompressorIndex);
    if (remembered.m_aviQuality != -1)
        quality = remembered.m_aviQuality;
    if (remembered.m_aviKeyFrameEvery != -1) {
        keyFramesOn = remembered.m_aviKeyFramesOn != 0;
        keyFrameText = std::to_string(remembered.m_aviKeyFrameEvery);
        dataRateOn = remembered.m_aviDataRateOn != 0;
        dataRateText = std::to_string(remembered.m_aviDataRate);
    }
}

void CAviOptionsModel::Select(int index)
{
    if (index < 0 || index >= static_cast<int>(m_list.size()))
        return;
    m_selection = index;
    state.clear();
    const CompressorInfo& c = m_list[static_cast<size_t>(index)];
    if (c.handler == 0)
        return;
    if (c.flags & kCompressorTemporal)
        keyFrameText = std::to_string(c.defaultKeyRate);
    else
        keyFramesOn = false;
    int rate = 0;
    if (!(c.flags & kCompressorDataRate))
        dataRateOn = false;
    else if (!ParseSigned(dataRateText, rate) || rate == 0)
        dataRateText = "300";
    if (c.flags & kCompressorQuality)
        quality = c.defaultQuality;
}

CAviOptionsModel::Invalid CAviOptionsModel::Accept(AviOptions& options) const
{
    const uint32_t flags = Flags();
    const bool keyOn = keyFramesOn && (flags & kCompressorTemporal);
    const bool rateOn = dataRateOn && (flags & kCompressorDataRate);
    int every = 0, rate = 0;
    const bool everyRead = ParseSigned(keyFrameText, every);
    const bool rateRead = ParseSigned(dataRateText, rate);
    if (keyOn && (!everyRead || every < 1))
        return Invalid::KeyFrameEvery;
    if (rateOn && (!rateRead || rate <= 0))
        return Invalid::DataRate;
    options.handler = Selected() ? Selected()->handler : 0;
    options.quality = (flags & kCompressorQuality) ? quality : 0;
    options.state = state;
    options.keyFramesOn = keyOn;
    options.keyFrameEvery = every;
    options.dataRateOn = rateOn;
    options.dataRate = rate;
    options.listIndex = m_selection;
    options.trackbarPosition = quality;
    return Invalid::None;
}

void CAviOptionsModel::Remember(const AviOptions& options, CMovieSettings& settings)
{
    settings.m_aviCompressorIndex = options.listIndex;
    settings.m_aviQuality = options.trackbarPosition;
    settings.m_aviDataRateOn = options.dataRateOn;
    settings.m_aviDataRate = options.dataRate;
    settings.m_aviKeyFramesOn = options.keyFramesOn;
    settings.m_aviKeyFrameEvery = options.keyFrameEvery;
}
