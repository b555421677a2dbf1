#pragma once
#include "core/base/CRect.h"
#include "core/print/CPrintSettings.h"
#include "core/print/PrintUnits.h"

// The arithmetic of printing one drawing on one page.

constexpr int kMaxDotsPerUnit = 2048;

// Keeps a resolution read from a file or typed in where every division stays defined.
int ClampDotsPerUnit(int dots);

// Takes the printable page a printer reports. A printer that reports nothing (no print server,
// a broken driver) leaves the metrics untouched and returns false, so the caller can measure a
// usable device instead.
bool MeasurePrinter(CPrinterMetrics& metrics, int width, int height, int dpiX, int dpiY);

// The smallest dots per unit for which the drawing still about fits on the page. 0.5 is taken
// off before truncating, so at this value the drawing is a little larger than the page in its
// limiting direction. Never below 1, also for a tiny drawing or an unmeasured page.
int MinimumDotsPerUnit(const CPrinterMetrics& printer, int width, int height, PrintUnit unit);

// The drawing's printed width or height in the unit.
float PrintedLength(int pixels, int dots);

// Where the drawing goes on the page, in printer pixels: its size from the printer's own
// resolution, at the corner or centred on the printable page.
CRect PrintedPageRect(const CPrinterMetrics& printer, int width, int height, int dots, PrintUnit unit,
                      bool center);
