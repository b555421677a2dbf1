#pragma once
#include <cstdint>

// Automatic colour change: the stored modes and speeds, and the steps and targets derived from
// them by CAutoChange.
struct CAutoColorSettings {
    uint8_t m_autoSat = 0;
    uint8_t m_autoSatSpeed = 5;
    uint8_t m_autoVal = 0;
    uint8_t m_autoValSpeed = 5;
    uint8_t m_autoHue = 0;
    uint8_t m_autoHueSpeed = 5;

    int32_t m_hueStep = 5;
    int32_t m_saturationStep = 10;
    int32_t m_valueStep = 10;
    int32_t m_hueTarget = 0;
    int32_t m_saturationTarget = 0;
    int32_t m_valueTarget = 0;
};
