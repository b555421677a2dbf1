#pragma once
#include "core/shapes/IColorsLink.h"
#include "app/windows/CColorsWindow.h"

// The shape palette's view of the Colors window.
class CColorsWindowLink : public IColorsLink {
public:
    explicit CColorsWindowLink(CColorsWindow& window) : m_window(window) {}

    HsvColor CurrentColor() const override { return m_window.Panel().CurrentColor(); }
    void SetCurrentColor(HsvColor c) override { m_window.SetCurrentColor(c); }
    void AddCurrentToHistory() override { m_window.AddCurrentToHistory(); }
    void ApplyCurrentColor() override { m_window.ApplyCurrentColor(); }
    int HistoryCount() const override { return m_window.Panel().History().Count(); }
    HsvColor HistoryEntry(int i) const override { return m_window.Panel().History().Entry(i); }
    void SelectHistoryEntry(int i) override
    {
        m_window.Panel().SelectHistoryEntry(i);
        m_window.update();
    }

private:
    CColorsWindow& m_window;
};
