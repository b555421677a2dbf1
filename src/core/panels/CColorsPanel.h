#pragma once
#include "core/colour/CColorHistory.h"
#include "core/colour/HsvColor.h"
#include <functional>
#include <string>

class CDaubrixView;
class CRandom;
class CShapeTable;
class CUnwrittenFiles;
class IHost;

// What the Colors window does, apart from drawing: the current colour, the colour history,
// picking with the pointer, stepping through the history and the history files.
class CColorsPanel {
public:
    // unwritten: where a history file that could not be written is noted for the user.
    CColorsPanel(IHost& host, CRandom& random, CShapeTable& shapes, CUnwrittenFiles& unwritten);

    // The view of the active drawing, or null; and who to tell when the current shape's colour changed.
    std::function<CDaubrixView*()> m_activeView;
    std::function<void()> m_shapeColorChanged;

    IHost& Host() { return m_host; }
    HsvColor CurrentColor() const { return {m_curHue, m_curSat, m_curVal}; }
    // For changes made elsewhere (automatic colour change, shape selection): no history, no apply.
    void SetCurrentColor(HsvColor c);
    const CColorHistory& History() const { return m_history; }
    bool SelectHistoryEntry(int i) { return m_history.Select(i); }
    bool IsDragging() const { return m_fieldDrag || m_stripDrag; }

    void AddCurrentToHistory();
    void ApplyCurrentColor();

    // Pointer. MouseDown returns true when a drag starts (the window captures the mouse).
    bool MouseDown(int x, int y);
    void MouseMove(int x, int y);
    void MouseUp();

    // Buttons and menu commands. Each returns true when something changed.
    bool Last();
    bool Next();
    void AcceptValues(HsvColor c);
    void RandomColor();
    bool CanDelete() const { return m_history.Count() >= 2; }
    bool DeleteColor();
    bool ClearColors();

    bool SaveHistory(const std::string& path);
    bool LoadHistory(const std::string& path);

    // The automatic history file, read at the first paint and written when the window goes.
    void SetAutoFile(const std::string& path) { m_autoFile = path; }
    void OnFirstPaint();
    void OnDestroy();
    bool HadFirstPaint() const { return m_painted; }

    int16_t m_curHue = 0;
    uint8_t m_curSat = 255;
    uint8_t m_curVal = 255;

private:
    void UseSelected();

    IHost& m_host;
    CRandom& m_random;
    CShapeTable& m_shapes;
    CUnwrittenFiles& m_unwritten;
    CColorHistory m_history;
    bool m_fieldDrag = false;
    bool m_stripDrag = false;
    bool m_painted = false;
    std::string m_autoFile;
};
