#pragma once
#include <cstdint>

// The printer's printable page as last measured: size in printer pixels and pixels per inch.
struct CPrinterMetrics {
    int32_t m_width = 0;
    int32_t m_height = 0;
    int32_t m_dpiX = 1;
    int32_t m_dpiY = 1;

    // Nothing to lay out on: never measured, or a printer that reported nothing.
    bool IsEmpty() const { return m_width <= 0 || m_height <= 0 || m_dpiX <= 0 || m_dpiY <= 0; }
};

// Printing choices that last for the run and are never stored: centring, the unit of the
// document's print resolution, and the printer as last measured.
struct CPrintSettings {
    int32_t m_printCenter = 1;
    int32_t m_printUnits = 0;    // PrintUnit
    CPrinterMetrics m_printer;
};
