#pragma once
#include "core/imaging/CImage32.h"
#include "core/colour/CColorHistory.h"
#include "core/colour/HsvColor.h"

// Draws the Colors window's client area. The hue/saturation field and the value strip are
// rendered once at construction; each paint only copies them.
class CColorsPainter {
public:
    // The desktop's 3-D colours, supplied by the GUI.
    struct Palette {
        Pixel face = MakePixel(212, 208, 200);
        Pixel shadow = MakePixel(128, 128, 128);
        Pixel highlight = MakePixel(255, 255, 255);
    };

    CColorsPainter();

    const CImage32& Field() const { return m_field; }
    const CImage32& Strip() const { return m_strip; }

    // A colour triple as shown on screen.
    static Pixel Shown(HsvColor c);

    // Paints everything except the buttons into a client-sized image. While a drag is in progress
    // the history row is left as it is.
    void Render(CImage32& client, const Palette& pal, HsvColor current, const CColorHistory& history,
                bool dragging) const;

    static void SunkenBorder(CImage32& img, const CRect& r, const Palette& pal);
    static void Frame(CImage32& img, const CRect& r, Pixel p);

private:
    CImage32 m_field;
    CImage32 m_strip;
};
