#pragma once
#include "core/colour/ColorRef.h"
#include "core/model/CColorChange.h"
#include "core/model/CGlob.h"
#include "core/model/CGlobBuffer.h"
#include "core/model/IDocView.h"
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class CShapeTable;
class IHost;

// Where glob centres may go: up to 19 pixels outside the drawing, so that edge globs show.
struct GlobArea {
    int width, height;
    bool Contains(int x, int y) const { return x > -20 && x < width + 20 && y > -20 && y < height + 20; }
};

// One drawing: the ordered glob sequence with its colour changes, the section boundaries, the
// size, the background and the undo kind. Never pixels.
class CDaubrixDoc {
public:
    static constexpr int kMaxSections = 10;

    CDaubrixDoc(CShapeTable& shapes, IHost* host);

    void SetView(IDocView* view)
    {
        m_view = view;
        if (!view)
            m_shownPosition = -1;
    }
    // The view's history position, where a colour change "at the end" (position -1) goes;
    // -1 when no view shows the document, which then means the glob count.
    void SetShownPosition(int position) { m_shownPosition = position; }
    IDocView* View() const { return m_view; }
    // Globs or colour changes from position on changed, or with position 0 anything of the
    // picture (background included): the view drops what it kept of the picture beyond it.
    // The edits below call it themselves (appending at the end needs none); code that writes
    // records in place through GetGlob or GetColorChange must call it.
    void SequenceChangedFrom(int position)
    {
        if (m_view)
            m_view->OnSequenceChanged(std::max(position, 0));
    }
    CShapeTable& Shapes() { return m_shapeTable; }

    // Sequence.
    GlobArea AcceptedArea() const { return {m_width, m_height}; }
    bool AcceptsGlobAt(int x, int y) const { return AcceptedArea().Contains(x, y); }
    // A drawing's first glob records the colour it is drawn in: the current shape's.
    void RecordStartColor();
    bool AddGlob(int x, int y);
    bool AppendGlob(int x, int y);
    // Many globs at once, already checked with AcceptsGlobAt (an image import): all or none.
    bool AppendGlobs(const CGlob* globs, size_t count);
    // Room for this many globs in all, so that a large import does not move the sequence; a
    // failure here is no error, the appends that follow report it.
    void ReserveGlobs(size_t total);
    bool InsertGlob(int position, int x, int y);
    const CGlob& GetGlob(int position) const { return m_globs[static_cast<size_t>(position)]; }
    CGlob& GetGlob(int position) { return m_globs[static_cast<size_t>(position)]; }
    int GetGlobCount() const { return static_cast<int>(m_globs.size()); }
    void DeleteGlobs(int from, int to);
    void TruncateAt(int position);
    // Appends a record exactly as read from a file (no check, no colour change).
    void AppendLoadedGlob(const CGlob& g);

    // Colour changes.
    int GetColorChangeCount() const { return static_cast<int>(m_colorChanges.size()); }
    const CColorChange* GetColorChange(int index) const;
    CColorChange* GetColorChange(int index);
    void SetColorChange(int position, int hue, int saturation, int value);
    bool HasColorChangeAt(int position) const;
    int GetColorChangeHue(int position) const;
    int GetColorChangeSaturation(int position) const;
    int GetColorChangeValue(int position) const;
    void SetColorChangeValue(int position, int value);
    int FindColorChangeBefore(int position) const;
    int PositionInForce(int position) const;
    // The colour glob position is drawn in: a change there, else the one in force before it.
    HsvColor ColorInForceAt(int position) const;
    int NextColorChangeAfter(int position) const;
    void ApplyColorChangesAt(int position);
    void ApplyColorChange(int index);
    void MoveColorChanges(int newBase, int oldBase);
    void ShiftColorChanges(int from, int delta);
    void RemoveColorChanges(int from, int to, bool all);
    void CopyPreviousColors(int from, int to);
    void RemoveRepeatedColorChanges(int from, int to);
    void SaveColorChanges();
    void SwapColorChanges();
    void AppendLoadedColorChange(const CColorChange& c);

    // Sections.
    int SectionStartFor(int position) const;
    bool IsSectionBoundary(int position) const;
    void AddSection(int position);
    void SaveSections();
    void SwapSections();

    void MarkShapesForRecolor(int from, int to);
    // cx, cy: the view's drawing centre.
    void InsertClipboardGlobs(const CGlobBuffer& clip, int position, bool withColors, int cx, int cy);
    void InsertClipboardColorChanges(const CGlobBuffer& clip, int index, int offset);

    void DeleteContents();
    // Document file: takes over the records read from a file in one step.
    void SetLoadedRecords(std::vector<CGlob> globs, std::vector<CColorChange> colorChanges);
    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true) { m_modified = modified; }

    const std::vector<CGlob>& Globs() const { return m_globs; }
    const std::vector<CColorChange>& ColorChanges() const { return m_colorChanges; }
    const std::vector<CColorChange>& SavedColorChanges() const { return m_savedColorChanges; }

    // Fields, in the order the file stores them.
    int32_t m_printResolution = 100;
    int32_t m_hasBackgroundImage = 0;
    ColorRef m_backgroundColor = 0;
    int32_t m_undoImageSaved = 0;
    uint8_t m_undoKind = 0;
    int32_t m_sectionFloor = 0;
    int32_t m_sectionCount = 0;
    std::array<int32_t, kMaxSections> m_sections{};
    int32_t m_savedSectionFloor = 0;
    int32_t m_savedSectionCount = 0;
    std::array<int32_t, kMaxSections> m_savedSections{};
    int32_t m_height = 100;
    int32_t m_width = 100;

    // Background image: the JPEG file the drawing stores, kept as read or made so that saving
    // again writes the same bytes (the view holds the decoded, painted form).
    std::vector<uint8_t> m_backgroundJpeg;

    std::string m_pathName;
    std::string m_title;

private:
    void OutOfMemory();
    int InsertColorChangeRecord(const CColorChange& c);
    int ShapeOfGlob(int position) const;

    CShapeTable& m_shapeTable;
    IHost* m_host;
    IDocView* m_view = nullptr;
    int m_shownPosition = -1;
    bool m_modified = false;
    std::vector<CGlob> m_globs;
    std::vector<CColorChange> m_colorChanges;
    std::vector<CColorChange> m_savedColorChanges;
    std::vector<CColorChange> m_swapColorChanges;
};
