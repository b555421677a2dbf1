#pragma once
#include "core/base/IHost.h"
#include "core/shapes/CShapeTable.h"
#include <string>
#include <vector>

// The indices of the Medium shapes, which the benchmark drawings cycle through.
inline std::vector<int> MediumShapes(const CShapeTable& table)
{
    std::vector<int> medium;
    for (int i = 0; i < table.Count(); ++i) {
        const std::string& name = table.m_shapeNames[static_cast<size_t>(i)];
        if (name.size() > 2 && name[2] == '1')
            medium.push_back(i);
    }
    return medium;
}

// The shipped shape set, prepared; returns its Medium shapes.
inline std::vector<int> LoadMediumShapes(CShapeTable& table, IHost& host)
{
    table.LoadShapes(std::string(DAUBRIX_DATA_DIR) + "/", &host);
    table.PrepareAll();
    return MediumShapes(table);
}
