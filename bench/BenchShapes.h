#pragma once
#include "core/base/IHost.h"
#include "core/shapes/CShapeTable.h"
#include <string>
#include <vector>

// The shipped shape set, prepared; returns the indices of its Medium shapes, which the
// benchmark drawings cycle through.
inline std::vector<int> LoadMediumShapes(CShapeTable& table, IHost& host)
{
    table.LoadShapes(std::string(DAUBRIX_DATA_DIR) + "/", &host);
    table.PrepareAll();
    std::vector<int> medium;
    for (int i = 0; i < table.Count(); ++i) {
        const std::string& name = table.m_shapeNames[static_cast<size_t>(i)];
        if (name.size() > 2 && name[2] == '1')
            medium.push_back(i);
    }
    return medium;
}
