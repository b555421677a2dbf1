#pragma once
#include "core/base/CRect.h"
#include "core/print/CPrintSettings.h"
#include "core/print/PrintUnits.h"
#include <string>

class CDaubrixDoc;

// What the "Drawing size on printer" dialog shows and does, without the widgets: the dots per
// unit kept inside the range the page allows, the unit, centring, the printed size and the
// page preview's two frames.
class CPrintSizeModel {
public:
    // Opening: the minimum for the page may raise the dots per unit.
    CPrintSizeModel(const CPrintSettings& settings, int width, int height, int dots);

    int Dots() const { return m_dots; }
    int Minimum() const { return m_minimum; }
    int Maximum() const;
    PrintUnit Unit() const { return m_unit; }
    bool Center() const { return m_center; }
    const CPrinterMetrics& Printer() const { return m_printer; }

    // The up-down's position: a value outside the range stops at its end.
    void SetDots(int dots);
    // Converts the dots per unit to the new unit, then keeps them inside the new range.
    void SetUnit(PrintUnit unit);
    void SetCenter(bool center) { m_center = center; }
    // The largest print that still about fits the page.
    void MaxSize();

    std::string WidthText() const;
    std::string HeightText() const;
    const char* UnitText() const { return UnitLabel(m_unit); }

    // The page frame reshaped to the page's proportions, centred in the frame's first place.
    CRect PageFrame(const CRect& initial);
    // The drawing inside the page frame, never covering the frame's border.
    CRect DrawingFrame(const CRect& page) const;

    // OK: the choices go to the run's settings and the resolution to the drawing, which is
    // marked modified when the resolution changed. Returns whether it changed.
    bool Store(CPrintSettings& settings, CDaubrixDoc& doc) const;

private:
    void ApplyMinimum();

    CPrinterMetrics m_printer;
    int m_width;
    int m_height;
    int m_dots;
    int m_minimum = 1;
    PrintUnit m_unit;
    bool m_center;
    float m_scale = 0.0f;
};
