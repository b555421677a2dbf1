#pragma once
#include "core/colour/ColorRef.h"
#include "core/model/CColorChange.h"
#include "core/model/CGlob.h"
#include "core/model/CGlobBuffer.h"
#include "core/model/CColorTail.h"
#include "core/model/CSectionList.h"
#include "core/model/CUndoState.h"
#include "core/model/IDocView.h"
#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
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
    static constexpr int kMaxSections = CSectionList::kMax;

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
    // An undo step's own copy of the colour changes: taken before its action, trimmed after it
    // to the part the action changed, exchanged on undo and redo.
    CColorTail TakeColorTail() const { return {0, m_colorChanges}; }
    void TrimColorTail(CColorTail& tail) const;
    void ExchangeColorTail(CColorTail& tail);

    // Sections.
    const CSectionList& Sections() const { return m_sections; }
    int SectionStartFor(int position) const { return m_sections.StartFor(position); }
    bool IsSectionBoundary(int position) const { return m_sections.Contains(position); }
    void AddSection(int position);
    void TruncateSectionsAt(int position) { m_sections.TruncateAt(position); }
    void CutSections(int from, int to, bool entire) { m_sections.CutOut(from, to, entire); }
    void ShiftSections(int position, int count) { m_sections.ShiftFrom(position, count); }
    void ClearSections() { m_sections.Clear(); }
    CSectionList::Hidden HideSections() { return m_sections.Hide(); }
    void UnhideSections(const CSectionList::Hidden& h) { m_sections.Unhide(h); }
    void LoadSections(int floor, int count, const int32_t* sections) { m_sections.Load(floor, count, sections); }
    void SaveSections() { m_sections.Save(); }
    void SwapSections() { m_sections.Swap(); }
    CSectionList::Copy TakeSections() const { return m_sections.Take(); }
    void ExchangeSections(CSectionList::Copy& c) { m_sections.Exchange(c); }

    // The undo steps and the Edit menu's texts for them.
    const CUndoState& Undo() const { return m_undo; }
    CUndoState& Undo() { return m_undo; }

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

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetWidth(int width) { m_width = width; }
    void SetHeight(int height) { m_height = height; }
    int PrintResolution() const { return m_printResolution; }
    void SetPrintResolution(int dpi) { m_printResolution = dpi; }
    ColorRef BackgroundColor() const { return m_backgroundColor; }
    void SetBackgroundColor(ColorRef c) { m_backgroundColor = c; }
    // Whether the drawing has a background image, as the file stores it (0 or 1).
    int HasBackgroundImage() const { return m_hasBackgroundImage; }
    void SetHasBackgroundImage(int has) { m_hasBackgroundImage = has; }
    // Background image: the JPEG file the drawing stores, kept as read or made so that saving
    // again writes the same bytes (the view holds the decoded, painted form).
    const std::vector<uint8_t>& BackgroundJpeg() const { return m_backgroundJpeg; }
    void SetBackgroundJpeg(std::vector<uint8_t> jpeg) { m_backgroundJpeg = std::move(jpeg); }
    // Whether the view's undo image has been made since the drawing was opened.
    int UndoImageSaved() const { return m_undoImageSaved; }
    void SetUndoImageSaved(int saved) { m_undoImageSaved = saved; }
    const std::string& PathName() const { return m_pathName; }
    void SetPathName(std::string path) { m_pathName = std::move(path); }
    const std::string& Title() const { return m_title; }
    void SetTitle(std::string title) { m_title = std::move(title); }

private:
    void OutOfMemory();
    int InsertColorChangeRecord(const CColorChange& c);
    int ShapeOfGlob(int position) const;

    int32_t m_printResolution = 100;
    int32_t m_hasBackgroundImage = 0;
    ColorRef m_backgroundColor = 0;
    int32_t m_undoImageSaved = 0;
    CUndoState m_undo;
    CSectionList m_sections;
    int32_t m_height = 100;
    int32_t m_width = 100;
    std::vector<uint8_t> m_backgroundJpeg;
    std::string m_pathName;
    std::string m_title;

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
