#pragma once
#include <cstdint>

// The Simulate Depth dialog's last choices; they last for the run, never stored.
struct CDepthSettings {
    int32_t m_depthEntire = 0;
    int32_t m_depthLight = 1;
    uint8_t m_depthBottom = 0;
    uint8_t m_depthTop = 25;
};
