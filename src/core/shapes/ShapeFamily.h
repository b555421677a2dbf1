#pragma once
#include "core/shapes/CShapeTable.h"

// A shape's family letter and size digit are the first and third characters of its file name.
// False for a name too short to carry them.
inline bool ShapeFamilyOf(const CShapeTable& shapes, int i, char& letter, int& size)
{
    const std::string& name = shapes.m_shapeNames[static_cast<size_t>(i)];
    if (name.size() < 3)
        return false;
    letter = name[0];
    size = name[2] - '0';
    return true;
}

// The table index of the family's shown variant, or -1 when none is shown.
inline int ShownVariantOf(const CShapeTable& shapes, char letter)
{
    for (int i = 0; i < shapes.Count(); ++i)
        if (shapes.m_shapeNames[static_cast<size_t>(i)].starts_with(letter) && shapes.Shape(i).m_shown)
            return i;
    return -1;
}
