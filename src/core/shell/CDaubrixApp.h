#pragma once
#include "../model/CGlobBuffer.h"
#include "../shapes/CShapeTable.h"
#include "CRandom.h"
#include "IHost.h"
#include <string>

// What all drawings share for the whole run: the shape set and current shape, the random
// generator, the glob clipboard and pattern, and every drawing-mode setting.
class CDaubrixApp {
public:
    explicit CDaubrixApp(IHost& host) : m_host(host) {}

    IHost& Host() { return m_host; }
    CShapeTable& ShapeTable() { return m_shapes; }
    CShape& CurrentShape() { return m_shapes.Current(); }

    std::string m_programDir;   // ends with '/'
    CRandom m_random;

    // Drawing modes.
    bool m_lineMode = false;

    // Glob clipboard and pattern.
    CGlobBuffer m_clipboard;
    CGlobBuffer m_pattern;

    // Set when the program is re-activated; the next paint copies the whole drawing.
    bool m_blitAllOnActivate = false;

private:
    IHost& m_host;
    CShapeTable m_shapes;
};
