#pragma once
#include "core/model/CColorChange.h"
#include "core/model/CGlob.h"
#include <span>
#include <string>
#include <vector>

class CRandom;
class CDaubrixDoc;
class CDaubrixView;
class CImportSampleStore;
class CLongOperation;
struct CDrawingSettings;
struct CImportSettings;
struct ImportSample;

// Appends an import's ordered samples as globs of the current shape, in the picture's colours
// or in the drifting current colour. Between one progress step or ESC check and the next the
// globs and colour changes are gathered locally and then handed to the document in one step,
// so the document is up to date whenever the user may see or stop the import, and a glob costs
// a few stores rather than a round of document calls.
class CImportPlacement {
public:
    CImportPlacement(CDaubrixView& view, CLongOperation& op, int offX, int offY, const std::string& cancelQuestion);

    // False when the user cancelled; the globs placed so far stay.
    bool Run(const CImportSampleStore& samples);
    int Placed() const { return m_placed; }

private:
    void PlaceAll(std::span<const ImportSample> samples);
    void Jitter(int& x, int& y);
    void Flush();

    CDaubrixView& m_view;
    CDaubrixDoc& m_doc;
    const CDrawingSettings& m_drawing;   // jitter
    CRandom& m_random;
    CLongOperation& m_op;
    const CImportSettings& m_settings;
    const std::string& m_cancelQuestion;
    int m_offX, m_offY;
    int m_shape;
    int m_threshold;
    int m_placed = 0;
    bool m_first = true;               // no glob of this import taken yet
    int m_nextPosition = 0;            // sequence position of the next glob
    CColorChange m_inForce;            // the colour the next glob would be drawn in
    std::vector<CColorChange> m_ahead; // changes already standing beyond the last glob
    size_t m_nextAhead = 0;
    std::vector<CGlob> m_globs;        // gathered, not yet in the document: m_globCount of them, never
                                       // more than the hundred samples between two ESC checks give
    size_t m_globCount = 0;
    std::vector<CColorChange> m_changes;
};
