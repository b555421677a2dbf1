#pragma once
#include "core/base/CRandom.h"
#include "core/base/IHost.h"
#include "core/settings/CAutoChange.h"
#include "core/settings/CAutoColorSettings.h"
#include "core/settings/CDepthSettings.h"
#include "core/settings/CDrawingModes.h"
#include "core/settings/CDrawingSettings.h"
#include "core/settings/CGlobClipboard.h"
#include "core/settings/CImageSettings.h"
#include "core/settings/CImportSettings.h"
#include "core/settings/CMovieSettings.h"
#include "core/settings/CShellSettings.h"
#include "core/shapes/CShapeTable.h"
#include "core/shell/CUnwrittenFiles.h"
#include <string>
#include <utility>

// What all drawings share for the whole run: the shape set and current shape, the random
// generator and one settings group per subsystem. Pass a subsystem its group, not the whole.
class CDaubrixApp {
public:
    explicit CDaubrixApp(IHost& host) : m_host(host) {}

    IHost& Host() { return m_host; }
    CShapeTable& ShapeTable() { return m_shapes; }
    CShape& CurrentShape() { return m_shapes.Current(); }

    // The folder the program runs from, ending with '/': shapes and tips are beside it.
    const std::string& ProgramDir() const { return m_programDir; }
    void SetProgramDir(std::string dir) { m_programDir = std::move(dir); }
    CRandom& Random() { return m_random; }

    // One group per subsystem.
    CDrawingSettings& Drawing() { return m_drawing; }
    const CDrawingSettings& Drawing() const { return m_drawing; }
    CDrawingModes& Modes() { return m_modes; }
    const CDrawingModes& Modes() const { return m_modes; }
    CAutoColorSettings& AutoColor() { return m_autoColor; }
    const CAutoColorSettings& AutoColor() const { return m_autoColor; }
    // The automatic colour change over those settings, the random generator and the current shape.
    CAutoChange& AutoChange() { return m_autoChange; }
    const CAutoChange& AutoChange() const { return m_autoChange; }
    CGlobClipboard& Clipboard() { return m_globs; }
    const CGlobClipboard& Clipboard() const { return m_globs; }
    CDepthSettings& Depth() { return m_depth; }
    CImageSettings& Imaging() { return m_imaging; }
    const CImageSettings& Imaging() const { return m_imaging; }
    CImportSettings& Import() { return m_import; }
    const CImportSettings& Import() const { return m_import; }
    CMovieSettings& Movie() { return m_movie; }
    CShellSettings& Shell() { return m_shell; }
    const CShellSettings& Shell() const { return m_shell; }
    // Files written on the program's own account that failed, told once at exit.
    CUnwrittenFiles& Unwritten() { return m_unwritten; }

    // Set when the program is re-activated; the next paint copies the whole drawing.
    bool BlitAllOnActivate() const { return m_blitAllOnActivate; }
    void SetBlitAllOnActivate(bool on) { m_blitAllOnActivate = on; }

private:
    IHost& m_host;
    CShapeTable m_shapes;
    std::string m_programDir;
    CRandom m_random;
    CDrawingSettings m_drawing;
    CDrawingModes m_modes{m_drawing};
    CAutoColorSettings m_autoColor;
    CAutoChange m_autoChange{m_autoColor, m_random, m_shapes};
    CGlobClipboard m_globs;
    CDepthSettings m_depth;
    CImageSettings m_imaging;
    CImportSettings m_import;
    CMovieSettings m_movie;
    CShellSettings m_shell;
    CUnwrittenFiles m_unwritten;
    bool m_blitAllOnActivate = false;
};
