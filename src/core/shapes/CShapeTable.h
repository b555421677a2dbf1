#pragma once
#include "core/base/IHost.h"
#include "core/shapes/CShape.h"
#include <array>
#include <memory>
#include <string>
#include <vector>

// The shape set: up to 200 shapes in byte-wise ascending order of their file names. A glob
// stores an index into this table, so the order is part of every stored drawing.
class CShapeTable {
public:
    static constexpr int kCapacity = 200;

    // Reads "shapes/*.bmp" below programDir (which ends with '/'). A file that cannot be read
    // is reported with "error loading shape" and stays in the table without an image.
    void LoadShapes(const std::string& programDir, IHost* host);
    // Builds the table from names and images already in memory (tests, tools).
    void LoadFromImages(std::vector<std::string> names, std::vector<CImage32> images);
    // Prepares every shape in table order; false at the first one that fails.
    bool PrepareAll();

    bool ShapeSizeExists(char letter, int size) const;
    int FindShape(char letter, int size) const;
    void SelectShapeSize(char letter, int size);
    int NthShownShape(int n);

    CShape& Shape(int i) { return *m_shapes[static_cast<size_t>(i)]; }
    const CShape& Shape(int i) const { return *m_shapes[static_cast<size_t>(i)]; }
    CShape& Current() { return Shape(m_currentShape); }
    const CShape& Current() const { return Shape(m_currentShape); }
    int Count() const { return m_shapeCount; }

    std::array<std::unique_ptr<CShape>, kCapacity> m_shapes;
    std::array<std::string, kCapacity> m_shapeNames;
    uint8_t m_shapeCount = 0;
    uint8_t m_currentShape = 0;

private:
    void Finish(std::vector<std::string> names);
};
