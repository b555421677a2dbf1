#pragma once
#include "core/base/CRandom.h"
#include "core/base/IHost.h"
#include "core/settings/CAutoColorSettings.h"
#include "core/settings/CDepthSettings.h"
#include "core/settings/CDrawingSettings.h"
#include "core/settings/CGlobClipboard.h"
#include "core/settings/CImageSettings.h"
#include "core/settings/CImportSettings.h"
#include "core/settings/CMovieSettings.h"
#include "core/settings/CShellSettings.h"
#include "core/shapes/CShapeTable.h"
#include "core/shell/CUnwrittenFiles.h"
#include <string>

// What all drawings share for the whole run: the shape set and current shape, the random
// generator and one settings group per subsystem. Pass a subsystem its group, not the whole.
class CDaubrixApp {
public:
    explicit CDaubrixApp(IHost& host) : m_host(host) {}

    IHost& Host() { return m_host; }
    CShapeTable& ShapeTable() { return m_shapes; }
    CShape& CurrentShape() { return m_shapes.Current(); }

    std::string m_programDir;   // ends with '/'
    CRandom m_random;

    CDrawingSettings m_drawing;
    CDrawingModes m_modes;
    CAutoColorSettings m_autoColor;
    CGlobClipboard m_globs;
    CDepthSettings m_depth;
    CImageSettings m_imaging;
    CImportSettings m_import;
    CMovieSettings m_movie;
    CShellSettings m_shell;
    // Files written on the program's own account that failed, told once at exit.
    CUnwrittenFiles m_unwritten;

    // Set when the program is re-activated; the next paint copies the whole drawing.
    bool m_blitAllOnActivate = false;

private:
    IHost& m_host;
    CShapeTable m_shapes;
};
